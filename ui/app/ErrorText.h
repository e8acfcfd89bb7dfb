#pragma once
// One clear Russian sentence for an error of the core, naming the file.
#include <QString>

#include <exception>

QString ErrorText(const std::exception& error);
