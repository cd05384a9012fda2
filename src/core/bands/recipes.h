// The recipes of the six colour-band windows: which table each band uses, and the result line.
#pragma once

#include "core/bands/window_recipe.h"

namespace vantrel::bands {

extern const WindowRecipe kResistor3Recipe;
extern const WindowRecipe kResistor4Recipe;
extern const WindowRecipe kResistor5Recipe;
extern const WindowRecipe kResistor6Recipe;
extern const WindowRecipe kInductor3Recipe;
extern const WindowRecipe kInductor4Recipe;

} // namespace vantrel::bands
