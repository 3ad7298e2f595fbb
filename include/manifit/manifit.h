// The manifit library: fit an elastic map to a table, project points onto
// it, and read and write its files.
#pragma once

#include "manifit/failure.h"
#include "manifit/files.h"
#include "manifit/fit.h"
#include "manifit/map.h"
#include "manifit/schedule.h"
#include "manifit/table.h"
