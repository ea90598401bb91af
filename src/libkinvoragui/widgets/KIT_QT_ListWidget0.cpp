#include "KIT_QT_ListWidget0.h"

KIT_QT_ListWidget0::KIT_QT_ListWidget0() : QListWidget(), KIT_SafeObject("KIT_QT_ListWidget0") {}

KIT_QT_ListWidget0::~KIT_QT_ListWidget0() = default;
