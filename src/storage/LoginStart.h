#pragma once

#include "storage/FileSystem.h"

// Whether the desktop starts the program when the user logs in.
class LoginStart
{
public:
    virtual ~LoginStart() = default;
    // Puts the entry in place (or up to date) or takes it away; why not, naming the file.
    virtual WriteResult set(bool on) = 0;
};
