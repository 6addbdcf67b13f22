// A calculation file that includes a test helper, which is no layer of the module.
#include "gpc/CCalibration.h"
#include "support/LabData.h"
