#pragma once
// The one twips rule lives with the platform, the lowest layer that needs it.
#include "platform/Twips.h"
