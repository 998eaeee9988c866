// Keeps the room library non-empty until its sources land.
namespace tavmir {
int appRoomAnchor();
int appRoomAnchor() { return 0; }
}  // namespace tavmir
