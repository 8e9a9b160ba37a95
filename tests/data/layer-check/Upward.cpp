// A model file that reaches into the random layer: the layer check must refuse it.
#include "model/CSystem.h"
#include "random/GameData.h"
