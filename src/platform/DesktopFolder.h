#pragma once

#include <QString>

// The user's desktop folder with a trailing "/"; the home folder when there is no desktop
// folder, so that output always has somewhere to go.
QString DefaultOutputFolder();
