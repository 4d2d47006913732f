#include "platform/qt/QtServices.h"
