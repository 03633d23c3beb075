#pragma once

#include "app/Unit1.h"
#include "catalogue/KeptFileList.h"
#include "platform/LeftoverSweep.h"

/// What install all keeps of the new-maps and published folders while it runs: their lists,
/// kept from the folders' change notices, which also know the names in them.
struct TForm1::InstallRun {
    catalogue::KeptFileList newMaps, published;
    /// The published folder's sweep of leftover temporary files, once for the whole run.
    platform::LeftoverSweep publishedSweep;
};
