#pragma once

#include <QString>

class QTranslator;
class Sales;
class Utility;
class ZkSettings;

/** The process-wide objects, created by start-up and deleted by main. */
extern ZkSettings* settings;
extern QTranslator* nls;
extern Utility* utils;
extern Sales* shop;
/** The style applied while nobody is logged in and meant by "Default". */
extern QString defStyle;
