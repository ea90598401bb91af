#include "KIT_QT_LineEdit0.h"

KIT_QT_LineEdit0::KIT_QT_LineEdit0() : QLineEdit(), KIT_SafeObject("KIT_QT_LineEdit0") {}

KIT_QT_LineEdit0::~KIT_QT_LineEdit0() = default;
