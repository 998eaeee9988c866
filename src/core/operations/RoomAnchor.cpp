// Keeps the room library non-empty until its sources land.
namespace tavmir {
int operationsRoomAnchor();
int operationsRoomAnchor() { return 0; }
}  // namespace tavmir
