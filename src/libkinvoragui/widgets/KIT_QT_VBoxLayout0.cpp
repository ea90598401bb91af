#include "KIT_QT_VBoxLayout0.h"

KIT_QT_VBoxLayout0::KIT_QT_VBoxLayout0() : QVBoxLayout(), KIT_SafeObject("KIT_QT_VBoxLayout0") {}

KIT_QT_VBoxLayout0::~KIT_QT_VBoxLayout0() = default;
