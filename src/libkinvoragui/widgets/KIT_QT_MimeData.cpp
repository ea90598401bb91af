#include "KIT_QT_MimeData.h"

KIT_QT_MimeData::KIT_QT_MimeData() : QMimeData(), KIT_SafeObject("KIT_QT_MimeData") {}

KIT_QT_MimeData::~KIT_QT_MimeData() = default;
