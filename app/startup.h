// SPDX-License-Identifier: LicenseRef-Wrenhop
// What main runs once the command line is accepted.
#pragma once

#include <string>

class QGuiApplication;
struct RunContext;

// Builds the presentation, then runs one update ("1" as mode: the UI tuning
// mode instead) until something quits the event loop; returns its exit code.
// A normal run started while another one is in progress (on the same
// temporary folder or the same installation) changes nothing and returns 0
// without a window; so does the tuning mode's retry then.
// The update service and its manager live in this call's frame.
int runStartup(QGuiApplication* app, const RunContext& context, const std::string& version, const std::string& mode);
