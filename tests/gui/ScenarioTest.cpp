// The windows driven as a user drives them, from scripts: every tests/data/gui/*.scenario is
// run against a real main window (headless, scratch program folder, scripted UI services) and
// the transcript of the run must equal its .expected twin byte for byte. The transcript echoes
// each command and adds what the user would have seen: message boxes, dialogs, file dialogs,
// the answers of `show`, and what landed in files. TAVMIR_REGENERATE=1 rewrites the .expected
// files (review the diff); a normal run never writes into tests/data.
//
// Commands (one per line; leading blanks and lines starting with "#" are ignored; "$D" is the
// scratch folder, and names of files are inside it):
//   files    journal NAME [ITEMS=text].. (the journal of unsaved changes to NAME that a killed
//            program left: opened at the defaults, ITEMS changed),
//            write NAME [ITEMS=text | -Section:Key]..  (a complete CFG file at the defaults,
//            changed; "#" in text is the ship-table row), bytes NAME TEXT (escapes \r \n \t \0
//            \\ \xHH), sample NAME, folder NAME, remove NAME, recent NAME.., catalogue (mset.dat
//            and template.dat beside the program), show-file NAME [TEXT] (bytes, or size and digest
//            when long, or the lines holding TEXT), same-bytes NAME bin:NAME, fifo NAME; these
//            change files as another program would: an editor notices at `call
//            editor.checkFileOnDisk` (its watcher's signal), `call window.checkFilesOnDisk` (the
//            program activated) or its next save
//   answers  open NAME.. (the Open command), answer-open NAME.., answer-save NAME [FILTER],
//            answer-save-cancel, filter N (the entry the next file dialog ends on),
//            answer BUTTON.. (message boxes), clipboard TEXT, clipboard-fill COUNT TEXT ("#" is
//            the count so far; also the fields' own paste), prefs ALIGN WHEEL DISABLED TIME [KEEP],
//            print-to NAME.pdf (the next print job also goes onto a PDF printer, A4)
//   windows  window [W H], start [NAME..] (as the program starts), use NAME (a window of the
//            main window, searched after the dialog), activate N (editor N, 1 = first open),
//            trigger ACTION, menu MENU (its entries), pick MENU N, click OBJ, dclick OBJ,
//            key OBJ KEYS, char OBJ HEX (a key with that Latin-1 text), type OBJ TEXT,
//            retype OBJ TEXT (over the old text), focus OBJ, set OBJ.PROPERTY VALUE,
//            select LIST ROW,ROW.., select-line TEXTEDIT N, click-text TEXTEDIT TEXT,
//            move/resize OBJ X Y, close OBJ, call OBJ.METHOD [INT], wheel OBJ DELTA, wait MS,
//            tabs N (Tab pressed N times, the controls it reaches),
//            shoot NAME.png (a picture for a person to look at), cut (the texts of the
//            dialog, used window or main window that their controls cut), palette dark|light
//   editor   field ITEMS (shown and focused), fields ITEMS TEXT (written straight into the
//            document, "#" the row, cut to the field; then recomputed and shown), mark,
//            changed (the fields that differ from the mark, or from the defaults),
//            compare N (fields that differ from editor N), labels [FAMILY PIXELS] (every
//            page's cells measured, with that label font when given)
//   looking  show OBJ.PROPERTY.. with extra properties: editor.page/modified/focused/path,
//            window.editors, field.ITEMS, app.overrideCursor, app.preferences, app.keepOriginal,
//            app.reopenFiles,
//            app.ended (the main window closed: the program ends), app.windows (those shown),
//            OBJ.onTop (a shown window over a shown one),
//            LIST.items, VIEW.rows, VIEW.row, OBJ.color/base/focused/centred/buttons/exists,
//            MENU.enabled, TEXTEDIT.format/cursorLine/fixedPitch; show-clipboard; show-pdf
//            NAME.pdf (each page's line count and last line as pdftotext reads them, and
//            whether the words are those of the document printed last, nothing added)
//   blocks   dialog NAME ... end: run inside the dialog of that object name that the next
//            command opens (any other dialog closes: FrmMessage accepted, the rest rejected);
//            soon ... end: run as soon as the next command lets events in
// ITEMS: a field number, {Section:Key}, {ROW/COLUMN} of the ship table, ROWS/COLUMN with ROWS
// a range "1-84", or "all". OBJ: an object name ("{ITEMS}" in it is the field number), looked
// up in the current dialog, the used window, the active editor, then the main window; or
// window, editor, dialog, used, focus, area (the editors' area), sub1.. (editor windows),
// hbar, vbar, viewport (of the editor's scroll area).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPalette>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include <fstream>
#include <optional>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>
#include "catalogue/StartupTables.h"
#include "document/Layout.h"

#include "GuiContext.h"
#include "common/FileIdentity.h"
#include "document/FieldTexts.h"
#include "document/SettingsWriter.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"
#include "gui/support/WidgetChecks.h"
#include "mainwindow/GuiApplication.h"
#include "mainwindow/MDIFormMain.h"
#include "session/RecoveryJournal.h"
#include "support/DocumentTestAccess.h"
#include "support/Escapes.h"
#include "support/TextDiff.h"

namespace tavmir::gui::test {
namespace {

namespace fs = std::filesystem;

struct Command {
    std::string line;  // as written, without the indentation
    std::vector<std::string> words;
    std::string tail;           // everything after the first word
    std::string rest;           // everything after the second word
    std::vector<Command> body;  // of a dialog block
};

using tavmir::test::escape;
using tavmir::test::maskClocks;
using tavmir::test::unescape;

// TEXT with every "#" replaced by n.
std::string numbered(std::string text, int n) {
    for (std::size_t at; (at = text.find('#')) != std::string::npos;)
        text.replace(at, 1, std::to_string(n));
    return text;
}

std::vector<Command> parse(std::istream& in) {
    std::vector<Command> top;
    std::vector<std::vector<Command>*> open{&top};
    for (std::string raw; std::getline(in, raw);) {
        const std::size_t start = raw.find_first_not_of(" \t");
        if (start == std::string::npos || raw[start] == '#') continue;
        Command c;
        c.line = raw.substr(start);
        std::istringstream words(c.line);
        for (std::string w; words >> w;) c.words.push_back(w);
        std::size_t at = c.line.find(' ');
        if (at != std::string::npos) c.tail = c.line.substr(at + 1);
        if (at != std::string::npos) at = c.line.find(' ', c.line.find_first_not_of(' ', at));
        if (at != std::string::npos) c.rest = c.line.substr(at + 1);
        if (c.words[0] == "end") {
            if (open.size() > 1) open.pop_back();
            continue;
        }
        open.back()->push_back(c);
        if (c.words[0] == "dialog" || c.words[0] == "soon")
            open.push_back(&open.back()->back().body);
    }
    return top;
}

// The colours of a dark desktop theme: light text on a dark base.
QPalette darkPalette() {
    QPalette p(QColor(53, 53, 53));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        p.setColor(role, QColor(240, 240, 240));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return p;
}

// A main window on a scratch program folder, with scripted UI services.
class Scenario {
  public:
    Scenario() {
        static int counter = 0;
        m_folder = fs::temp_directory_path() / ("tavmir-scenario-" + std::to_string(::getpid()) +
                                                "-" + std::to_string(++counter));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        // The program's state (journals of unsaved work, of writes in place) is the scenario's.
        ::setenv("XDG_STATE_HOME", (m_folder / "state").c_str(), 1);
        context.programFolder = m_folder;
        context.catalogue = realCatalogue();
        // The files on disk are looked at when the script says (call editor.checkFileOnDisk,
        // call window.checkFilesOnDisk), not when a watcher or the activation happens to fire.
        context.watchFilesOnDisk = false;
    }
    ~Scenario() {
        window.reset();  // the window refers to its context
        if (m_paletteChanged) QApplication::setPalette(m_lightPalette);
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    std::string run(const std::vector<Command>& script) {
        ui.dialogHandler = [this](QDialog& d) { return onDialog(d); };
        runAll(script, 0);
        for (const Block& b : m_blocks) say(0, "unused dialog block " + b.name);
        return m_out.str();
    }

  private:
    const Catalogue& cat() const { return *realCatalogue(); }
    std::string folder() const { return m_folder.string(); }
    std::string rel(std::string s) const {
        for (std::size_t at; (at = s.find(folder())) != std::string::npos;)
            s.replace(at, folder().size(), "$D");
        return maskClocks(s);
    }
    QString path(const std::string& name) const {
        return QString::fromStdString(name.rfind('/', 0) == 0 ? name : folder() + "/" + name);
    }
    std::string expand(std::string s) const {
        for (std::size_t at; (at = s.find("$D")) != std::string::npos;) s.replace(at, 2, folder());
        return s;
    }
    void say(int depth, const std::string& text, bool raw = false) {
        m_out << std::string(static_cast<std::size_t>(depth) * 2, ' ')
              << rel(raw ? text : escape(text)) << '\n';
    }
    void fail(int depth, const std::string& why) {
        say(depth, "!! " + why);
        ADD_FAILURE() << why;
    }
    MDIFormMain& win() {
        if (!window) {
            window = std::make_unique<MDIFormMain>(context);
            QObject::connect(window.get(), &MDIFormMain::closed, [this] { m_ended = true; });
            window->show();
            QApplication::setActiveWindow(window.get());
        }
        return *window;
    }
    FrmSettingsEdit* editor() { return window ? window->activeEditor() : nullptr; }
    // What the user looks at: the open dialog, else the window in use, else the main window.
    QWidget* shown() {
        if (!m_dialogs.empty()) return m_dialogs.back();
        return m_used ? m_used.data() : static_cast<QWidget*>(&win());
    }

    // Items: "N", "{Section:Key}", "{r/c}", "r1-r2/c" (a range of ship-table rows).
    std::vector<std::pair<int, int>> items(std::string s) {
        if (s.size() > 2 && s.front() == '{' && s.back() == '}') s = s.substr(1, s.size() - 2);
        if (s == "all") {
            std::vector<std::pair<int, int>> every;
            for (int i = 1; i <= kSettingCount; ++i) every.push_back({i, i});
            return every;
        }
        const std::size_t colon = s.find(':'), slash = s.find('/');
        if (colon != std::string::npos)
            return {{cat().findSetting(s.substr(0, colon), s.substr(colon + 1)), 0}};
        if (slash == std::string::npos) return {{std::stoi(s), 0}};
        const std::string rows = s.substr(0, slash);
        const int column = std::stoi(s.substr(slash + 1));
        const std::size_t dash = rows.find('-');
        const int from = std::stoi(rows),
                  to = dash == std::string::npos ? from : std::stoi(rows.substr(dash + 1));
        std::vector<std::pair<int, int>> out;
        for (int r = from; r <= to; ++r) out.push_back({shipTable(r, column), r});
        return out;
    }
    // "{...}" inside an object name becomes the item's number: Text1_{4/4}.
    QString objectName(std::string name) {
        const std::size_t open = name.find('{'), close = name.find('}');
        if (open != std::string::npos && close != std::string::npos)
            name = name.substr(0, open) +
                   std::to_string(items(name.substr(open, close - open + 1)).front().first) +
                   name.substr(close + 1);
        return QString::fromStdString(name);
    }
    QObject* find(const std::string& name) {
        if (name == "window") return &win();
        if (name == "editor") return editor();
        if (name == "dialog") return m_dialogs.empty() ? nullptr : m_dialogs.back();
        if (name == "used") return m_used.data();
        if (name == "area") return win().mdiArea()->viewport();
        if (name.rfind("sub", 0) == 0 && name.size() == 4 &&
            std::isdigit(static_cast<unsigned char>(name[3])))
            return win().editors().size() >= static_cast<std::size_t>(name[3] - '0')
                       ? win().subWindowOf(win().editors()[static_cast<std::size_t>(name[3] - '1')])
                       : nullptr;
        if ((name == "hbar" || name == "vbar") && editor()) {
            auto* area = editor()->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
            return name == "hbar" ? area->horizontalScrollBar() : area->verticalScrollBar();
        }
        if (name == "viewport" && editor()) {
            return editor()->findChild<QScrollArea*>(QStringLiteral("scrollArea"))->viewport();
        }
        if (name == "focus")
            return m_dialogs.empty() || !m_dialogs.back()->focusWidget()
                       ? QApplication::focusWidget()
                       : m_dialogs.back()->focusWidget();
        const QString n = objectName(name);
        if (!m_dialogs.empty())
            if (QObject* o = m_dialogs.back()->findChild<QObject*>(n)) return o;
        if (m_used)
            if (QObject* o = m_used->findChild<QObject*>(n)) return o;
        if (editor())
            if (QObject* o = editor()->findChild<QObject*>(n)) return o;
        return win().findChild<QObject*>(n);
    }
    template <typename T>
    T* need(int depth, const std::string& name) {
        T* o = qobject_cast<T*>(find(name));
        if (!o) fail(depth, "no " + std::string(T::staticMetaObject.className()) + " " + name);
        return o;
    }

    static std::string text(const QVariant& v) {
        switch (v.typeId()) {
            case QMetaType::Bool:
                return v.toBool() ? "true" : "false";
            case QMetaType::QRect: {
                const QRect r = v.toRect();
                return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                       std::to_string(r.width()) + "x" + std::to_string(r.height());
            }
            case QMetaType::QSize:
                return std::to_string(v.toSize().width()) + "x" +
                       std::to_string(v.toSize().height());
            case QMetaType::QPoint:
                return std::to_string(v.toPoint().x()) + "," + std::to_string(v.toPoint().y());
            default:
                return v.toString().toStdString();
        }
    }
    std::string value(int depth, const std::string& spec) {
        const std::size_t dot = spec.rfind('.');
        const std::string name = spec.substr(0, dot), prop = spec.substr(dot + 1);
        if (name == "field") {
            std::string out;
            for (const auto& [i, row] : items(prop))
                out += (out.empty() ? "" : " ") + (editor() ? editor()->document().text(i) : "");
            return out;
        }
        if (name == "app") {
            const GuiContext& c = m_started ? *m_started : context;
            if (prop == "overrideCursor") return QApplication::overrideCursor() ? "set" : "none";
            if (prop == "preferences")
                return std::to_string(c.preferences.textAlign) + " " +
                       std::to_string(c.preferences.mouseWheelSpeed) + " " +
                       std::to_string(c.preferences.disableWindowMessage) + " " +
                       c.preferences.messageTime;
            if (prop == "keepOriginal") return std::to_string(c.preferences.keepOriginal);
            if (prop == "reopenFiles") return std::to_string(c.preferences.reopenFiles);
            if (prop == "ended") return m_ended ? "yes" : "no";
            if (prop == "windows") {  // the windows on the screen
                std::vector<std::string> shown;
                for (const QWidget* w : QApplication::topLevelWidgets())
                    if (w->isVisible() && w->windowType() != Qt::ToolTip)
                        shown.push_back(w->objectName().toStdString());
                std::sort(shown.begin(), shown.end());
                std::string out = shown.empty() ? "none" : "";
                for (const std::string& n : shown) out += (out.empty() ? "" : " ") + n;
                return out;
            }
        }
        if (name == "editor" && editor()) {
            FrmSettingsEdit& e = *editor();
            if (prop == "page") return std::to_string(e.currentPage());
            if (prop == "modified") return e.modified() ? "true" : "false";
            if (prop == "focused") {
                const int i = e.document().focusedItem();
                return std::to_string(i) + (i >= 1 && i <= kSettingCount
                                                ? " " + cat()[i].section + ":" + cat()[i].key
                                                : "");
            }
            if (prop == "path") return e.filePath();
        }
        if (spec == "window.editors") {
            std::string out = std::to_string(win().editors().size());
            for (FrmSettingsEdit* e : win().editors())
                out += std::string(e == editor() ? " *" : " ") + e->filePath();
            return out;
        }
        QObject* o = find(name);
        if (prop == "exists") {  // and, for a window or control, shown
            auto* w = qobject_cast<QWidget*>(o);
            return o && (!w || w->isVisible()) ? "yes" : "no";
        }
        if (!o) return fail(depth, "no object " + name), "";
        if (auto* menu = qobject_cast<QMenu*>(o); menu && prop == "enabled")
            return menu->menuAction()->isEnabled() ? "true" : "false";
        if (auto* view = qobject_cast<QAbstractItemView*>(o); view && prop == "rows") {
            std::string out;
            const QAbstractItemModel& m = *view->model();
            for (int r = 0; r < m.rowCount(); ++r) {
                out += "\n       ";
                for (int k = 0; k < m.columnCount(); ++k)
                    out += " | " + m.index(r, k).data().toString().toStdString();
            }
            return out;
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(o); view && prop == "row")
            return std::to_string(view->currentIndex().row());
        if (auto* t = qobject_cast<QTextEdit*>(o); t && prop == "cursorLine")
            return t->textCursor().block().text().toStdString();
        if (auto* t = qobject_cast<QTextEdit*>(o); t && prop == "fixedPitch") {
            QTextCursor first(t->document());
            first.setPosition(1);
            const QFontMetrics metrics(first.charFormat().font());
            return metrics.horizontalAdvance(QStringLiteral("iiii")) ==
                           metrics.horizontalAdvance(QStringLiteral("WWWW"))
                       ? "yes"
                       : "no";
        }
        if (prop == "buttons") {
            std::string out;
            for (QPushButton* b : o->findChildren<QPushButton*>())
                if (b->isVisible())
                    out += (out.empty() ? "" : " ") + b->objectName().toStdString() + "@" +
                           std::to_string(b->x());
            return out;
        }
        if (auto* t = qobject_cast<QTextEdit*>(o); t && prop == "format") {
            std::string out;
            for (QTextBlock b = t->document()->begin(); b.isValid(); b = b.next()) {
                QTextCursor cursor(b);
                cursor.movePosition(QTextCursor::Right);
                const QTextCharFormat f = cursor.charFormat();
                out += "\n    [" + b.text().left(12).toStdString() + "] " +
                       (f.fontWeight() == QFont::Bold ? "bold " : "") +
                       f.foreground().color().name().toStdString() + " " +
                       QString::number(f.fontPointSize()).toStdString() + " " +
                       f.fontFamilies().toStringList().join(QLatin1Char(',')).toStdString();
            }
            return out;
        }
        if (auto* list = qobject_cast<QListWidget*>(o); list && prop == "items") {
            std::string out = std::to_string(list->count()) + ": ";
            for (int i = 0; i < list->count(); ++i)
                out += (i ? " | " : "") + list->item(i)->text().toStdString();
            return out;
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(o);
            view && prop == "items") {  // the first five
            const QAbstractItemModel& m = *view->model();
            std::string out = std::to_string(m.rowCount()) + ": ";
            for (int i = 0; i < m.rowCount() && i < 5; ++i)
                out += (i ? " | " : "") + m.index(i, 0).data().toString().toStdString() + " = " +
                       m.index(i, 1).data().toString().toStdString();
            return out;
        }
        auto* w = qobject_cast<QWidget*>(o);
        if (w && prop == "color")
            return w->palette().color(QPalette::WindowText).name().toStdString();
        if (w && prop == "base") return w->palette().color(QPalette::Base).name().toStdString();
        if (auto* t = qobject_cast<QTextEdit*>(o); t && prop == "plainText")
            return t->toPlainText().toStdString();
        if (w && prop == "centred") {  // on the screen, to a few pixels
            const QPoint off = w->frameGeometry().center() - w->screen()->geometry().center();
            return std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4 ? "yes" : "off by " + text(off);
        }
        if (w && prop == "focused") return w->hasFocus() ? "true" : "false";
        if (w && prop == "onTop")  // a window over a window that is shown, or of its own
            return w->isVisible() &&
                           (!w->parentWidget() || w->parentWidget()->window()->isVisible())
                       ? "yes"
                       : "no";
        const QVariant v = o->property(prop.c_str());
        if (!v.isValid()) fail(depth, "no property " + spec);
        return text(v);
    }

    // A recovery journal of editor changes to NAME left by a program that was killed: opened at
    // the defaults, ITEMS changed, the last change at 2026-01-01 00:00 UTC.
    void writeJournal(const Command& c) {
        RecoveryJournal j;
        j.owner = "1.1";
        j.path = path(c.words[1]).toStdString();
        j.fileType = "CFG";
        const FileIdentity id = identifyFile(j.path);
        j.fileRead = id.exists;
        j.size = id.size;
        j.modifiedNs = id.modifiedNs;
        j.hash = id.hash;
        j.changedNs = 1767225600000000000;
        FieldTexts texts;
        for (int i = 1; i <= kSettingCount; ++i) {
            texts[i] = cat()[i].defaultValue;
            j.opened.push_back(FieldWrite{i, texts[i]});
        }
        for (std::size_t k = 2; k < c.words.size(); ++k) {
            const std::size_t eq = c.words[k].find('=');
            for (const auto& [i, row] : items(c.words[k].substr(0, eq)))
                texts[i] = numbered(unescape(c.words[k].substr(eq + 1)), row);
        }
        for (int i = 1; i <= kSettingCount; ++i)
            if (texts[i] != cat()[i].defaultValue) j.changes.push_back(FieldWrite{i, texts[i]});
        fs::create_directories(m_folder / "state/tavmir/recovery");
        writeBytes(
            m_folder / ("state/tavmir/recovery/1.1-" + std::to_string(++m_journals) + ".journal"),
            recoveryJournalBytes(j));
    }

    void writeComplete(const Command& c) {
        FieldTexts texts;
        for (int i = 1; i <= kSettingCount; ++i) texts[i] = cat()[i].defaultValue;
        std::vector<std::string> left;
        for (std::size_t k = 2; k < c.words.size(); ++k) {
            const std::string& o = c.words[k];
            const std::size_t eq = o.find('=');
            if (o[0] == '-') {
                left.push_back(o.substr(1));
                continue;
            }
            for (const auto& [i, row] : items(o.substr(0, eq)))
                texts[i] = numbered(unescape(o.substr(eq + 1)), row);
        }
        std::string bytes = cfgFileBytes(cat(), texts);
        for (const std::string& l : left) {
            const std::size_t colon = l.find(':');
            const std::string line =
                l.substr(colon + 1) + "=" +
                texts[cat().findSetting(l.substr(0, colon), l.substr(colon + 1))] + "\r\n";
            const std::size_t at = bytes.find("\n" + line);
            if (at != std::string::npos) bytes.erase(at + 1, line.size());
        }
        writeBytes(m_folder / c.words[1], bytes);
    }

    void showFile(const Command& c) {
        const std::string bytes = readBytes(path(c.words[1]).toStdString());
        if (!fs::exists(path(c.words[1]).toStdString())) return say(m_depth + 1, "(no file)");
        if (c.words.size() > 2) {
            std::istringstream lines(bytes);
            for (std::string l; std::getline(lines, l);)
                if (l.find(c.rest) != std::string::npos) say(m_depth + 1, l + "\n");
            return;
        }
        if (bytes.size() <= 600) return say(m_depth + 1, bytes);
        std::uint64_t h = 1469598103934665603ull;
        for (const char ch : bytes) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
        say(m_depth + 1,
            std::to_string(bytes.size()) + " bytes, digest " + std::to_string(h % 1000000007));
    }

    // The text of a PDF as a reader sees it (pdftotext of poppler-utils): page by page, and
    // word for word against the document printed last.
    void showPdf(const Command& c) {
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), path(c.words[1]), QStringLiteral("-")});
        if (!reader.waitForFinished(20000) || reader.exitCode() != 0)
            return fail(m_depth, "pdftotext (poppler-utils) could not read " + c.words[1]);
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QStringList pages = text.split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.pop_back();
        for (qsizetype n = 0; n < pages.size(); ++n) {
            QStringList lines = pages[n].split(QLatin1Char('\n'));
            while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.pop_back();
            say(m_depth + 1, "page " + std::to_string(n + 1) + ": " + std::to_string(lines.size()) +
                                 " lines, the last: " +
                                 (lines.isEmpty() ? "" : lines.back().simplified().toStdString()));
        }
        const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList words = text.split(blanks, Qt::SkipEmptyParts);
        const QStringList printed = ui.printed.isEmpty()
                                        ? QStringList()
                                        : ui.printed.back().whole.split(blanks, Qt::SkipEmptyParts);
        if (words == printed) return say(m_depth + 1, "the printed log's words, nothing added");
        qsizetype at = 0;
        while (at < words.size() && at < printed.size() && words[at] == printed[at]) ++at;
        say(m_depth + 1, "word " + std::to_string(at + 1) + " differs from the printed log: " +
                             words.value(at, QStringLiteral("(end)")).toStdString() + " for " +
                             printed.value(at, QStringLiteral("(end)")).toStdString());
    }

    void key(QWidget* w, const std::string& keys) {
        const QKeyCombination k = QKeySequence::fromString(QString::fromStdString(keys))[0];
        QTest::keyClick(w, k.key(), k.keyboardModifiers());
        // A button's access key presses it, and releases (clicks) it a moment later.
        if (k.keyboardModifiers() == Qt::AltModifier) QTest::qWait(150);
    }

    void runOne(const Command& command) {
        Command c = command;  // "$D" stands for the scratch folder
        for (std::string* t : {&c.tail, &c.rest}) *t = expand(*t);
        for (std::string& w : c.words) w = expand(w);
        const int d = m_depth;
        const std::string& verb = c.words[0];
        auto arg = [&](std::size_t i) { return i < c.words.size() ? c.words[i] : std::string(); };
        say(d, "> " + c.line, true);
        if (!m_soon.empty() && verb != "soon")
            QTimer::singleShot(
                0, [this, body = std::exchange(m_soon, {}), d] { runAll(body, d + 1); });
        if (verb == "window") {
            win();
            if (c.words.size() == 3) window->resize(std::stoi(arg(1)), std::stoi(arg(2)));
        } else if (verb == "write") {
            writeComplete(c);
        } else if (verb == "journal") {
            writeJournal(c);
        } else if (verb == "bytes") {
            fs::create_directories((m_folder / arg(1)).parent_path());
            writeBytes(m_folder / arg(1), unescape(c.rest));
        } else if (verb == "recent") {
            std::string list;
            for (std::size_t k = 1; k < c.words.size(); ++k)
                list += path(c.words[k]).toStdString() + "\r\n";
            writeBytes(m_folder / "recent.dat", list);
        } else if (verb == "open" || verb == "answer-open") {
            QStringList paths;
            for (std::size_t k = 1; k < c.words.size(); ++k) paths << path(c.words[k]);
            ui.openAnswers.push_back(paths);
            if (verb == "open") win().findChild<QAction*>(QStringLiteral("mOpenFile"))->trigger();
        } else if (verb == "answer-save") {
            ui.saveAnswers.push_back(path(arg(1)));
            if (c.words.size() > 2) ui.saveFilterAnswers.push_back(std::stoi(arg(2)));
        } else if (verb == "filter") {  // the entry the next file dialog ends on
            ui.saveFilterAnswers.push_back(std::stoi(arg(1)));
        } else if (verb == "answer-save-cancel") {
            ui.saveAnswers.push_back({});
        } else if (verb == "answer") {
            for (std::size_t k = 1; k < c.words.size(); ++k) {
                const std::string& b = c.words[k];
                // "Ctrl+S": the Save key pressed while the box is up.
                ui.messageAnswers.push_back(b == "Yes"      ? QMessageBox::Yes
                                            : b == "No"     ? QMessageBox::No
                                            : b == "Cancel" ? QMessageBox::Cancel
                                            : b == "Ctrl+S" ? QMessageBox::Save
                                                            : QMessageBox::Ok);
            }
        } else if (verb == "clipboard") {
            const std::string t = unescape(c.tail);
            ui.clipboard = QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
            QGuiApplication::clipboard()->setText(ui.clipboard);  // a field's own paste
        } else if (verb == "clipboard-fill") {
            const std::string unit = unescape(c.rest);
            std::string t;
            for (int n = 0, count = std::stoi(arg(1)); n < count; ++n) t += numbered(unit, n);
            ui.clipboard = QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
        } else if (verb == "trigger") {
            if (auto* a = need<QAction>(d, arg(1))) a->trigger();
        } else if (verb == "click") {
            if (auto* b = need<QAbstractButton>(d, arg(1)))
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        } else if (verb == "dclick") {
            if (auto* w = need<QWidget>(d, arg(1))) QTest::mouseDClick(w, Qt::LeftButton);
        } else if (verb == "key") {
            if (arg(1) == "window") QApplication::setActiveWindow(&win());
            if (auto* w = need<QWidget>(d, arg(1))) {
                // Keys go to the active window, as a user's do; access keys need that.
                if (QApplication::activeWindow() != w->window())
                    QApplication::setActiveWindow(w->window());
                key(w, arg(2));
                // As a window manager would: a menu closed by a key leaves its window active.
                if (qobject_cast<QMenu*>(w) && !w->isVisible() && window)
                    QApplication::setActiveWindow(window.get());
            }
        } else if (verb == "tabs") {  // Tab pressed N times: where the focus goes
            std::string visited;
            for (int n = std::stoi(arg(1)); n > 0; --n) {
                if (auto* w = need<QWidget>(d, "focus")) key(w, "Tab");
                if (auto* w = qobject_cast<QWidget*>(find("focus")))
                    visited += (visited.empty() ? "" : " ") + w->objectName().toStdString();
            }
            say(d + 1, visited);
        } else if (verb == "char") {
            if (auto* w = need<QWidget>(d, arg(1))) {
                const int code = std::stoi(arg(2), nullptr, 16);
                QKeyEvent press(QEvent::KeyPress, QChar(code).toUpper().unicode(), Qt::NoModifier,
                                QString(QChar(code)));
                QApplication::sendEvent(w, &press);
            }
        } else if (verb == "focus") {
            if (auto* w = need<QWidget>(d, arg(1))) w->setFocus();
        } else if (verb == "move" || verb == "resize") {
            if (auto* w = need<QWidget>(d, arg(1))) {
                const int x = std::stoi(arg(2)), y = std::stoi(arg(3));
                verb == "move" ? w->move(x, y) : w->resize(x, y);
            }
        } else if (verb == "close") {
            if (auto* w = need<QWidget>(d, arg(1)))
                say(d + 1, w->close() ? "closed" : "still open");
        } else if (verb == "call") {
            const std::size_t dot = arg(1).rfind('.');
            QObject* o = find(arg(1).substr(0, dot));
            const std::string method = arg(1).substr(dot + 1);
            if (o && c.words.size() > 2)  // one int argument
                QMetaObject::invokeMethod(o, method.c_str(), Q_ARG(int, std::stoi(arg(2))));
            else if (!o || !QMetaObject::invokeMethod(o, method.c_str()))
                fail(d, "cannot call " + arg(1));
        } else if (verb == "menu" || verb == "pick") {
            if (auto* menu = need<QMenu>(d, arg(1))) {
                emit menu->aboutToShow();
                const QList<QAction*> actions = menu->actions();
                if (verb == "pick") actions.value(std::stoi(arg(2)))->trigger();
                for (qsizetype n = 0; verb == "menu" && n < actions.size(); ++n)
                    if (actions[n]->isVisible())
                        say(d + 1, std::to_string(n) +
                                       (actions[n]->isSeparator()
                                            ? " ---"
                                            : " " + actions[n]->text().toStdString()) +
                                       (actions[n]->isEnabled() ? "" : " (disabled)") +
                                       (actions[n]->isChecked() ? " (checked)" : ""));
            }
        } else if (verb == "wheel") {
            if (auto* w = need<QWidget>(d, arg(1))) {
                QWheelEvent e(QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), QPoint(),
                              QPoint(0, std::stoi(arg(2))), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
                QApplication::sendEvent(w, &e);
            }
        } else if (verb == "wait") {
            QTest::qWait(std::stoi(arg(1)));
        } else if (verb == "prefs") {
            GuiContext& g = m_started ? *m_started : context;
            g.preferences = {std::stoi(arg(1)), std::stoi(arg(2)), std::stoi(arg(3)), arg(4),
                             c.words.size() > 5 ? std::stoi(arg(5)) : 1};
        } else if (verb == "select-line") {
            if (auto* t = need<QTextEdit>(d, arg(1))) {
                QTextCursor cursor(t->document()->findBlockByNumber(std::stoi(arg(2))));
                cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                t->setTextCursor(cursor);
            }
        } else if (verb == "catalogue") {
            for (const char* name : {"mset.dat", "template.dat"})
                fs::copy_file(fs::path(TAVMIR_BIN_DIR) / name, m_folder / name,
                              fs::copy_options::overwrite_existing);
        } else if (verb == "start") {
            window.reset();
            m_started = std::make_unique<GuiContext>();
            m_started->watchFilesOnDisk = false;
            std::vector<std::string> files;
            for (std::size_t k = 1; k < c.words.size(); ++k)
                files.push_back(path(c.words[k]).toStdString());
            window = startGui(*m_started, m_folder, files);
            if (!window) say(d + 1, "(no window)");
            m_ended = false;
            if (window)
                QObject::connect(window.get(), &MDIFormMain::closed, [this] { m_ended = true; });
        } else if (verb == "use") {
            m_used = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName().toStdString() == arg(1)) m_used = w;
            if (!m_used && c.words.size() > 1)
                m_used = win().findChild<QWidget*>(QString::fromStdString(arg(1)));
            if (!m_used && c.words.size() > 1) fail(d, "no window " + arg(1));
        } else if (verb == "soon") {
            m_soon = c.body;  // runs as soon as the next command lets events in
        } else if (verb == "sample") {
            writeBytes(m_folder / arg(1),
                       readBytes(fs::path(TAVMIR_TEST_DATA) / "../../samples/arena.cfg"));
        } else if (verb == "click-text") {
            if (auto* t = need<QTextEdit>(d, arg(1))) {
                const QTextCursor at = t->document()->find(QString::fromStdString(c.rest));
                t->setTextCursor(at);
                QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->cursorRect(at).center());
            }
        } else if (verb == "same-bytes") {  // "bin:NAME" is a file beside the program
            const std::string other = arg(2).rfind("bin:", 0) == 0
                                          ? std::string(TAVMIR_BIN_DIR "/") + arg(2).substr(4)
                                          : path(arg(2)).toStdString();
            say(d + 1, readBytes(path(arg(1)).toStdString()) == readBytes(other) ? "same bytes"
                                                                                 : "bytes differ");
        } else if (verb == "remove") {
            fs::remove_all(m_folder / arg(1));
        } else if (verb == "folder") {
            fs::create_directories(m_folder / arg(1));
        } else if (verb == "fifo") {
            if (::mkfifo((m_folder / arg(1)).c_str(), 0600) != 0) fail(d, "no fifo " + arg(1));
        } else if (verb == "mark") {
            m_markedAny = true;
            if (FrmSettingsEdit* e = editor())
                for (int i = 1; i <= kFieldCount; ++i)
                    m_marked[static_cast<std::size_t>(i)] = e->document().text(i);
        } else if (verb == "compare") {
            FrmSettingsEdit* other = win().editors().at(std::stoul(arg(1)) - 1);
            int differ = 0;
            for (int i = 1; editor() && i <= kFieldCount; ++i)
                differ += editor()->document().text(i) != other->document().text(i);
            say(d + 1, std::to_string(differ) + " fields differ");
        } else if (verb == "type" || verb == "retype") {
            if (auto* w = need<QWidget>(d, arg(1))) {
                auto* line = qobject_cast<QLineEdit*>(w);
                if (verb == "retype" && line) {
                    line->setFocus();
                    line->selectAll();
                }
                const std::string t = unescape(c.rest);
                QTest::keyClicks(w,
                                 QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size())));
            }
        } else if (verb == "set") {
            const std::size_t dot = arg(1).rfind('.');
            if (QObject* o = find(arg(1).substr(0, dot)))
                o->setProperty(arg(1).substr(dot + 1).c_str(), QString::fromStdString(c.rest));
            else
                fail(d, "no object " + arg(1));
        } else if (verb == "select") {
            if (auto* list = need<QListWidget>(d, arg(1)))
                for (const QString& row : QString::fromStdString(arg(2)).split(QLatin1Char(',')))
                    list->item(row.toInt())->setSelected(true);
        } else if (verb == "field") {
            if (FrmSettingsEdit* e = editor()) {
                e->setPageForItem(items(arg(1)).front().first);
                e->focusItem(items(arg(1)).front().first);
            }
        } else if (verb == "fields") {
            if (FrmSettingsEdit* e = editor()) {
                for (const auto& [i, row] : items(arg(1)))
                    DocumentTestAccess::fields(e->document())[i] =
                        fitToField(cat(), i, numbered(unescape(c.rest), row));
                e->document().calculateAverageShipPage();
                e->refreshFromDocument();
            }
        } else if (verb == "activate") {
            const std::size_t n = std::stoul(arg(1));
            if (n < 1 || n > win().editors().size())
                fail(d, "no editor " + arg(1));
            else
                win().mdiArea()->setActiveSubWindow(win().subWindowOf(win().editors()[n - 1]));
        } else if (verb == "show") {
            for (std::size_t k = 1; k < c.words.size(); ++k) {
                std::istringstream lines(c.words[k] + " = " + value(d, c.words[k]));
                for (std::string l; std::getline(lines, l);) say(d + 1, l);
            }
        } else if (verb == "changed") {
            if (FrmSettingsEdit* e = editor())
                for (int i = 1; i <= kFieldCount; ++i) {
                    const std::string& was = m_marked[static_cast<std::size_t>(i)];
                    if (!m_markedAny && i > kSettingCount) break;
                    const std::string before = m_markedAny ? was : cat()[i].defaultValue;
                    if (e->document().text(i) != before)
                        say(d + 1,
                            std::to_string(i) +
                                (i <= kSettingCount ? " " + cat()[i].section + ":" + cat()[i].key
                                                    : "") +
                                " = " + e->document().text(i));
                }
        } else if (verb == "show-file") {
            showFile(c);
        } else if (verb == "print-to") {
            ui.printFile = path(arg(1));
        } else if (verb == "show-pdf") {
            showPdf(c);
        } else if (verb == "show-clipboard") {
            const std::string t = ui.clipboard.toStdString();
            say(d + 1, std::to_string(t.size()) + " characters, " +
                           std::to_string(ui.clipboard.count(QStringLiteral("\r\n"))) + " CR LF");
            std::istringstream lines(t);
            int n = 0;
            for (std::string l; n < 3 && std::getline(lines, l); ++n) say(d + 1, l + "\n");
        } else if (verb == "shoot") {
            QApplication::processEvents();
            QWidget* w = shown();
            if (!w->grab().save(screenshotPath(QString::fromStdString(arg(1)))))
                fail(d, "picture not saved");
        } else if (verb == "cut" || verb == "labels") {
            QWidget* w = shown();
            std::optional<QFont> font;
            if (c.words.size() > 2) {
                font = QFont(QString::fromStdString(unescape(arg(1))));
                font->setPixelSize(std::stoi(arg(2)));
            }
            const CheckReport r = verb == "cut" ? cutTexts(*w)
                                  : editor()    ? checkCells(*editor(), cat(), font)
                                                : CheckReport{{"no editor"}, 1};
            for (const std::string& line : r.lines) say(d + 1, line);
            if (r.problems > 0) ADD_FAILURE() << r.problems << " faults found by " << c.line;
        } else if (verb == "palette") {
            m_paletteChanged = true;
            QApplication::setPalette(arg(1) == "dark" ? darkPalette() : m_lightPalette);
        } else if (verb == "dialog") {
            m_blocks.push_back({arg(1), c.body, d});
        } else {
            fail(d, "unknown command " + verb);
        }
        QApplication::processEvents();
        report(d);
        // The dialog blocks written before a command are for that command alone.
        if (verb == "dialog" || verb == "soon") return;
        for (auto it = m_blocks.begin(); it != m_blocks.end();)
            if (it->depth == d) {
                say(d + 1, "(no " + it->name + " opened)");
                it = m_blocks.erase(it);
            } else {
                ++it;
            }
    }

    // What the user saw since the last command: message boxes and file dialogs.
    void report(int d) {
        for (; m_messages < ui.messages.size(); ++m_messages) {
            const AskedMessage& m = ui.messages[m_messages];
            std::string buttons;
            for (const auto& [b, n] : {std::pair{QMessageBox::Yes, "Yes"},
                                       {QMessageBox::No, "No"},
                                       {QMessageBox::Cancel, "Cancel"},
                                       {QMessageBox::Ok, "OK"}})
                if (m.buttons.testFlag(b))
                    buttons += std::string(" ") + n + (m.defaultButton == b ? "*" : "");
            say(d + 1, std::string(m.icon == BoxIcon::Critical   ? "critical"
                                   : m.icon == BoxIcon::Question ? "question"
                                                                 : "information") +
                           " [" + buttons.substr(buttons.empty() ? 0 : 1) +
                           "]: " + m.text.toStdString() +
                           (m.overHiddenWindow ? " (over a hidden window)" : ""));
        }
        for (; m_requests < ui.fileRequests.size(); ++m_requests) {
            const FileDialogRequest& r = ui.fileRequests[m_requests];
            say(d + 1, "file dialog \"" + r.caption.toStdString() + "\" in " +
                           r.directory.toStdString() + ", filter " +
                           std::to_string(r.selectedFilter) + " of " +
                           r.filters.join(QStringLiteral("; ")).toStdString());
        }
        for (; m_folders < ui.folderRequests.size(); ++m_folders)
            say(d + 1, "folder browser \"" + ui.folderRequests[m_folders].first.toStdString() +
                           "\" at \"" + ui.folderRequests[m_folders].second.toStdString() + "\"");
        for (; m_printed < ui.printed.size(); ++m_printed) {
            const auto& job = ui.printed[m_printed];
            say(d + 1,
                "printed " + std::to_string(job.whole.count(QLatin1Char('\n'))) + " lines" +
                    (job.selectionAvailable ? ", selection offered: " + job.selection.toStdString()
                                            : ""));
        }
    }

    int onDialog(QDialog& dialog) {
        const std::string name = dialog.objectName().toStdString();
        report(m_depth);
        for (auto it = m_blocks.begin(); it != m_blocks.end(); ++it) {
            if (it->name != name) continue;
            const std::vector<Command> body = it->body;
            m_blocks.erase(it);
            say(m_depth + 1, "[" + name + " opens]");
            QApplication::setActiveWindow(&dialog);  // the dialog settles before the user acts
            QApplication::processEvents();
            m_dialogs.push_back(&dialog);
            runAll(body, m_depth + 2);
            m_dialogs.pop_back();
            // As a window manager would: the main window is active again when the dialog goes.
            if (window) QApplication::setActiveWindow(window.get());
            QApplication::processEvents();
            say(m_depth + 1, std::string("[") + name +
                                 (dialog.isVisible() ? " still open: rejected]" : " closed]"));
            return dialog.isVisible() ? QDialog::Rejected : dialog.result();
        }
        if (name == "FrmMessage") {
            say(m_depth + 1,
                "[FrmMessage: " +
                    dialog.findChild<QLabel*>(QStringLiteral("lMessage1"))->text().toStdString() +
                    " | " +
                    dialog.findChild<QLabel*>(QStringLiteral("lMessage2"))->text().toStdString() +
                    ", " +
                    std::to_string(
                        dialog.findChild<QTimer*>(QStringLiteral("Timer1"))->interval()) +
                    " ms]");
            return QDialog::Accepted;
        }
        say(m_depth + 1, "[" + name + " opens: rejected]");
        return QDialog::Rejected;
    }

    void runAll(const std::vector<Command>& script, int depth) {
        const int saved = m_depth;
        for (const Command& c : script) {
            m_depth = depth;
            runOne(c);
        }
        m_depth = saved;
    }

    fs::path m_folder;
    ScriptedUiServices ui;
    GuiContext context;
    std::unique_ptr<GuiContext> m_started;  // of a window made by `start`; outlives the window
    std::unique_ptr<MDIFormMain> window;
    QPointer<QWidget> m_used;  // the window of `use`
    std::vector<Command> m_soon;
    std::array<std::string, kFieldCount + 1> m_marked;
    bool m_markedAny = false;
    std::ostringstream m_out;
    struct Block {
        std::string name;
        std::vector<Command> body;
        int depth;  // of the `dialog` command
    };
    std::vector<Block> m_blocks;
    std::vector<QDialog*> m_dialogs;
    int m_depth = 0;
    qsizetype m_messages = 0, m_requests = 0;
    qsizetype m_printed = 0, m_folders = 0;
    bool m_paletteChanged = false;
    bool m_ended = false;  // the main window closed: the program ends
    int m_journals = 0;    // journals written by the script
    const QPalette m_lightPalette = QApplication::palette();  // as the test began
};

std::vector<std::string> scenarios() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(TAVMIR_TEST_DATA "/gui"))
        if (e.path().extension() == ".scenario") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Scenarios : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenarios, TranscriptMatchesTheExpectedFile) {
    // Dates and times in the windows follow the user's locale; a transcript is written in one.
    QLocale::setDefault(QLocale::c());
    const fs::path base = fs::path(TAVMIR_TEST_DATA "/gui") / GetParam();
    std::ifstream in(base.string() + ".scenario", std::ios::binary);
    const std::vector<Command> script = parse(in);
    ASSERT_NE(realCatalogue(), nullptr);
    const std::string transcript = Scenario().run(script);
    const std::string expectedPath = base.string() + ".expected";
    if (std::getenv("TAVMIR_REGENERATE")) {
        std::ofstream(expectedPath, std::ios::binary) << transcript;
        return;
    }
    const std::string difference =
        tavmir::test::firstDifference(transcript, readBytes(expectedPath));
    EXPECT_TRUE(difference.empty()) << expectedPath << ": " << difference;
}

INSTANTIATE_TEST_SUITE_P(Gui, Scenarios, ::testing::ValuesIn(scenarios()), [](const auto& info) {
    std::string n = info.param;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

}  // namespace
}  // namespace tavmir::gui::test
