#include "calc/downtime.h"
