#include "KIT_QT_TextEdit0.h"

KIT_QT_TextEdit0::KIT_QT_TextEdit0() : QTextEdit(), KIT_SafeObject("KIT_QT_TextEdit0") {}

KIT_QT_TextEdit0::~KIT_QT_TextEdit0() = default;
