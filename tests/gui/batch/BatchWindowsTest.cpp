// The batch windows driven as a user would: runs with a stop and a refused close, the grid and
// the log following each other, the Delete key, the add-folder refusals, the template fix.
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "batch/FrmAddFolder.h"
#include "batch/FrmCompareFiles.h"
#include "batch/FrmValidateFiles.h"
#include "batch/FrmValidateTemplateSSS.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"
#include "support/TempDir.h"

namespace tavmir::gui {
namespace {

namespace fs = std::filesystem;

class BatchWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        context.catalogue = test::realCatalogue();
        context.programFolder = TAVMIR_BIN_DIR;
        retainedBatchLists() = {};
        addFolderSettings() = {};
        const std::string sample =
            test::readBytes(fs::path(TAVMIR_TEST_DATA) / "../../samples/arena.cfg");
        for (const char* name : {"a.cfg", "b.cfg", "c.cfg", "d.cfg"})
            files << QString::fromLatin1(dir.file(name, sample).c_str());
    }
    // A stop (and first a close attempt) as soon as the run lets events in.
    void stopSoon(BatchWindow& w) {
        QTimer::singleShot(0, &w, [&w] {
            w.close();
            w.bStop->click();
        });
    }
    QString cell(BatchWindow& w, int row, int column) {
        return w.g1->model()->index(row, column).data().toString();
    }

    tavmir::test::TempDir dir;
    test::ScriptedUiServices services;
    GuiContext context;
    QStringList files;
};

TEST_F(BatchWindows, ValidationStopsAfterTheFileAndKeepsItsLogOnARefusedClose) {
    FrmValidateFiles w(context);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    w.bStart->click();
    EXPECT_EQ(services.messages.value(0).text, QStringLiteral("Select files to be validated"));
    w.grab().save(test::screenshotPath(QStringLiteral("validate-before.png")));
    w.addFiles(files);
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("4 files"));
    stopSoon(w);
    w.bStart->click();
    EXPECT_EQ(services.messages.value(1).text, QStringLiteral("Validation in progress"));
    EXPECT_TRUE(w.isVisible());
    const QString log = w.tLog->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("1. Validating ") + files[0])) << log.toStdString();
    EXPECT_TRUE(
        log.endsWith(QStringLiteral("\n\n1 file validated (0 good, 1 bad)\n\nValidation cancelled "
                                    "by user (Total time: 00:00)\n\n")))
        << log.toStdString();
    EXPECT_EQ(
        QStringList({cell(w, 0, 2), cell(w, 0, 3), cell(w, 0, 4), cell(w, 1, 2)}),
        QStringList({QStringLiteral("CFG"), QStringLiteral("3"), QStringLiteral("0"), QString()}));
    EXPECT_TRUE(w.bStart->isVisible());

    w.bStart->click();  // a whole run, then the grid and the log follow each other
    EXPECT_TRUE(
        w.tLog->toPlainText().contains(QStringLiteral("4 files validated (0 good, 4 bad)")));
    w.grab().save(test::screenshotPath(QStringLiteral("validate-after.png")));
    w.selectRow(2);
    EXPECT_EQ(w.tLog->textCursor().block().text(), QStringLiteral("3. Validating ") + files[2]);
    QTextCursor at = w.tLog->document()->find(QStringLiteral("2. Validating"));
    w.tLog->setTextCursor(at);
    QTest::mouseClick(w.tLog->viewport(), Qt::LeftButton, {}, w.tLog->cursorRect(at).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.currentRow(), 1);
}

TEST_F(BatchWindows, DeleteKeyRenumbersAndTheListIsKeptForTheNextOpening) {
    auto* w = new FrmValidateFiles(context);
    w->show();
    w->addFiles(files + QStringList{files[1]});  // the duplicate is refused
    w->g1->selectionModel()->clearSelection();
    w->selectRow(1);
    w->g1->selectionModel()->select(w->g1->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(w->g1, Qt::Key_Delete);
    EXPECT_EQ(w->Frame1->title(), QStringLiteral("2 files"));
    EXPECT_EQ(QStringList({cell(*w, 1, 0), cell(*w, 1, 1)}),
              QStringList({QStringLiteral("2"), files[3]}));
    EXPECT_EQ(w->currentRow(), 1);
    w->close();  // deleted on close
    FrmValidateFiles again(context);
    EXPECT_EQ(again.list().size(), 2u);
    for (int i = 0; i < 2; ++i) QTest::keyClick(again.g1, Qt::Key_Delete);
    EXPECT_EQ(again.Frame1->title(), QStringLiteral("0 files"));
    EXPECT_EQ(again.g1->model()->rowCount(), 1);
    EXPECT_EQ(cell(again, 0, 1), QString());
}

TEST_F(BatchWindows, AddFolderRefusesThenScansAndCancelKeepsTheOptions) {
    dir.file("sub/e.SET", "x");
    dir.file("f.txt", "x");
    FrmValidateFiles w(context);
    QStringList folders{QString(), QStringLiteral("/no/such"),
                        QString::fromLatin1(dir.path().c_str())};
    services.dialogHandler = [&](QDialog& d) {
        auto& f = static_cast<FrmAddFolder&>(d);
        f.chIncludeSubfolders->setChecked(true);
        for (const QString& folder : folders) {
            f.tFolder->setText(folder);
            f.bAddFolder->click();
        }
        return 0;
    };
    w.bAddFolder->click();
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages.value(0).text, QStringLiteral("Select folder"));
    EXPECT_EQ(services.messages.value(1).text, QStringLiteral("/no/such is not a valid folder"));
    EXPECT_EQ(w.list().size(), 5u);
    EXPECT_TRUE(w.list().row(4).path.ends_with("/sub/e.SET"));

    services.dialogHandler = [](QDialog& d) {
        auto& f = static_cast<FrmAddFolder&>(d);
        f.oAddAll->setChecked(true);
        f.bCancel->click();
        return 0;
    };
    w.bAddFolder->click();
    EXPECT_EQ(w.list().size(), 5u);
    EXPECT_EQ(addFolderSettings().filter, FolderFilter::All);
    EXPECT_TRUE(addFolderSettings().includeSubfolders);
}

TEST_F(BatchWindows, ComparisonRemovesTheOriginStopsAndReportsInAFixedFont) {
    FrmCompareFiles w(context);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    w.addFiles(files);
    services.openAnswers.push_back({files[0]});
    w.bAddOriginFile->click();
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("With Files (3)"));
    EXPECT_EQ(cell(w, 0, 0) + cell(w, 0, 1), QStringLiteral("1") + files[1]);
    w.grab().save(test::screenshotPath(QStringLiteral("compare-before.png")));
    stopSoon(w);
    w.bStart->click();
    EXPECT_EQ(services.messages.value(0).text, QStringLiteral("Comparison in progress"));
    const QString log = w.tLog->toPlainText();
    EXPECT_TRUE(log.contains(
        QStringLiteral("1 file compared (1 match, 0 don't)\n\nComparison cancelled by user")))
        << log.toStdString();
    QTextCursor first(w.tLog->document());
    first.setPosition(1);
    const QFontMetrics metrics(first.charFormat().font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("WWWW")));
    w.bStart->click();
    EXPECT_EQ(QStringList({cell(w, 2, 2)}), QStringList({QStringLiteral("0")}));
    w.grab().save(test::screenshotPath(QStringLiteral("compare-after.png")));
    w.tOriginFile->clear();
    w.bStart->click();
    EXPECT_EQ(services.messages.last().text, QStringLiteral("Select origin file"));
}

TEST_F(BatchWindows, TemplateFixKeepsABackupAndReplacesTheFile) {
    const std::string faulty = "All:SuperTime:1::\r\n";
    const std::string chosen = dir.file("template.sss", faulty);
    FrmValidateTemplateSSS w(context);
    w.show();
    w.grab().save(test::screenshotPath(QStringLiteral("template-before.png")));
    services.openAnswers.push_back({QString::fromLatin1(chosen.c_str())});
    w.bValidate->click();
    EXPECT_TRUE(w.bFix->isVisible());
    EXPECT_FALSE(w.bValidate->isVisible());
    w.bFix->click();
    EXPECT_FALSE(w.bFix->isVisible());
    EXPECT_EQ(test::readBytes(chosen), test::readBytes(fs::path(TAVMIR_BIN_DIR) / "template.dat"));
    EXPECT_EQ(test::readBytes(chosen + ".bak"), faulty);
    EXPECT_TRUE(w.tLog->toPlainText().endsWith(
        QStringLiteral("template.sss has been successfully updated.\n")));
    w.grab().save(test::screenshotPath(QStringLiteral("template-after.png")));
}

}  // namespace
}  // namespace tavmir::gui
