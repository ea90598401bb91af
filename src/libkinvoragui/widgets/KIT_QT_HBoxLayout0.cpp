#include "KIT_QT_HBoxLayout0.h"

KIT_QT_HBoxLayout0::KIT_QT_HBoxLayout0() : QHBoxLayout(), KIT_SafeObject("KIT_QT_HBoxLayout0") {}

KIT_QT_HBoxLayout0::~KIT_QT_HBoxLayout0() = default;
