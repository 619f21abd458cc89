#include "calc/vacation.h"
