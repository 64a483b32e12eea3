#pragma once
#include <functional>

// Waits, letting events run, until the condition holds or ms pass. True when it held.
bool attendreQue(const std::function<bool()>& condition, int ms);
