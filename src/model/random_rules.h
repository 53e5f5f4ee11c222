// おまかせ's locks: a category locked keeps its part (for "other", every
// piece) as it stands through a random portrait or part. Locks are the
// user's for the run: no portrait, file or undo step holds them.
#pragma once

#include "portrait.h"

extern bool CategoryLocked[CATEGORY_COUNT];

// Whether おまかせ may change category: a category the user can choose
// (face to glasses, the disabled one never), not locked, and with
// onlyCurrentCategory (Shift+F5) the current one. The back hair follows
// the hair and is never a category of its own here.
bool RandomMayChange(int category, bool onlyCurrentCategory, int current, const bool locked[CATEGORY_COUNT]);

// Whether category can be locked at all: one the user can choose.
bool LockableCategory(int category);
