#include "calc/hourly.h"
