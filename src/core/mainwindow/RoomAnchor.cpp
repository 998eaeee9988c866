// Keeps the room library non-empty until its sources land.
namespace tavmir {
int mainwindowRoomAnchor();
int mainwindowRoomAnchor() { return 0; }
}  // namespace tavmir
