// The run as one static HTML page (DIR/index.html) with the pictures copied
// beside it (DIR/files/): each file's verdict and steps, every compared
// screen's reference, actual and difference, with a slider between the
// reference and the actual, the recordings, and the coverage when heard.
#pragma once
#include <string>
#include <vector>

#include "FileReport.h"

// False with the reason when a file could not be written.
bool WriteHtmlReport(const std::string& dir, const std::vector<TFileReport>& reports,
                     const TCoverage* coverage, std::string& error);
