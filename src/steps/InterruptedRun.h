#pragma once

#include "platform/FolderListing.h"

#include <QString>

// Rename mode moves a photo whose present name another photo needs aside under
// its own name plus this ending; a folder still holding such a name was left by
// an interrupted run.
QString temporaryNameSuffix();

// Fails when the listed folder still holds a photo under a temporary name; the
// message says so and how to put it right.
Outcome checkNoLeftovers(const QString& folder, const FolderEntries& listing);
