#include "model/Globals.h"

Globals::Globals(QObject* parent) : QObject(parent) {}
