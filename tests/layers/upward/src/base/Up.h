// A base header that reaches up into the workbench.
#pragma once

#include "workbench/DlgMain.h"
