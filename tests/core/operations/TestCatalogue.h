// A small made-up catalogue for the operations tests, packed in the mset.dat layout and read
// by the real loader, so the tests run before the project's catalogue data exists.
#pragma once

#include <memory>

#include "catalogue/Catalogue.h"

namespace tavmir::testing {

// Ship settings (287..958) have the ship's name as section and the key "K<group>", except
// groups 0 (InitialRotation, ship-page row 13, range 0..3000; the Javelin's 0..2000 with a
// description of its own) and 4 (InitialEnergy, row 1);
// general settings are "Misc:G<n>" except the two named below. The tab order is the
// reverse of the setting numbers, so a walk in tab order is visibly not a walk by number.
//   10  Bullet:BulletDamageLevel  "Damage of a level one bullet", range 0..4
//   959 Misc:SheepMessage         text setting, description with blanks around it
std::shared_ptr<const Catalogue> madeUpCatalogue();

// The project's generated catalogue when the build has made it, else null.
std::shared_ptr<const Catalogue> generatedCatalogue();

}  // namespace tavmir::testing
