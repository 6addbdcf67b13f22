// A host file that reaches into the workbench instead of the interface.
#include "hostlink/HostApi.h"
#include "workbench/DlgMain.h"
