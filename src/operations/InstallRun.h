#pragma once

#include "app/PathListView.h"
#include "app/Unit1.h"
#include "catalogue/KeptFileList.h"
#include "platform/LeftoverSweep.h"

#include <optional>

/// What install all keeps of the new-maps and published folders while it runs: their lists,
/// kept from the folders' change notices, which also know the names in them.
struct TForm1::InstallRun {
    /// `publishedFolder` ends in the separator.
    explicit InstallRun(std::string publishedFolder) : publishedSweep(std::move(publishedFolder)) {}

    catalogue::KeptFileList newMaps, published;
    /// The published folder's sweep of leftover temporary files, once for the whole run.
    platform::LeftoverSweep publishedSweep;
    /// The rebuilds of the two lists held between two pictures.
    std::optional<PathListView::Rebuild> heldNew, heldPublished;
};
