// SPDX-License-Identifier: LicenseRef-Wrenhop
// The engine test support under the name the program and end-to-end tests use.
#pragma once

#include "enginetestsupport.h"

namespace managertest = enginetest;
