#pragma once

#include <string>

// Where the settings and state files live: beside the executable when the
// program runs from where it was built or unpacked; in the per-user data folder
// when it is installed in a system location or its folder cannot be written,
// so an installed copy keeps each user's settings and never writes into system
// folders, even as root. Plain C++: the command line finds the same folder
// without a display.

// What the choice depends on, read from the process and its environment.
struct DataFolderInputs
{
    std::string executableFolder;
    bool executableFolderWritable = false;
    std::string home;         // $HOME; empty when unset
    std::string xdgDataHome;  // $XDG_DATA_HOME; empty when unset
    std::string passwordHome; // the user's home in the password database
};

// The folder for these inputs, or an empty text when there is no home to put
// a per-user folder in. A relative HOME or XDG_DATA_HOME is ignored, as the
// XDG rules ask: it would put the files wherever the program was started.
std::string chooseDataFolder(const DataFolderInputs& inputs);

// This process's inputs.
DataFolderInputs dataFolderInputs();

// The folder made ready for use: created when missing, or the reason it cannot be.
struct DataFolder
{
    std::string path;
    std::string problem; // empty when the folder is there

    bool ok() const { return problem.empty(); }
};
DataFolder prepareDataFolder(const std::string& path);

// What the program tells when the folder cannot be made.
std::string dataFolderProblemText(const DataFolder& folder);

// The folder for this process, created if needed.
DataFolder dataFolderForThisProgram();
