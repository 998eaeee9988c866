// Keeps the room library non-empty until its sources land.
namespace tavmir {
int documentRoomAnchor();
int documentRoomAnchor() { return 0; }
}  // namespace tavmir
