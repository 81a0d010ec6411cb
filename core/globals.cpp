#include "core/globals.h"

ZkSettings* settings = nullptr;
QTranslator* nls = nullptr;
Utility* utils = nullptr;
Sales* shop = nullptr;
QString defStyle;
