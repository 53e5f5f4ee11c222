#include "random_rules.h"

bool CategoryLocked[CATEGORY_COUNT];

bool LockableCategory(int category) {
  return category >= CAT_FACE && category <= CAT_GLASSES && category != CAT_DISABLED;
}

bool RandomMayChange(int category, bool onlyCurrentCategory, int current, const bool locked[CATEGORY_COUNT]) {
  if (!LockableCategory(category) || locked[category]) return false;
  return !onlyCurrentCategory || category == current;
}
