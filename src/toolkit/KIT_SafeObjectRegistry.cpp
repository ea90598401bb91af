#include "KIT_SafeObjectRegistry.h"

namespace
{
// Created by static initialisation before main and destroyed at exit.
const KIT_SafeObjectRegistry g_registry;
} // namespace

const KIT_SafeObjectRegistry& KIT_SafeObjectRegistry::Instance()
{
    return g_registry;
}
