#pragma once

#include <stdexcept>
#include <string>

// The program's failure classes. Each carries the exact text that is shown to the operator
// or matched by callers; all of them derive from Error so a handler can catch any of them.
namespace common {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace common

class EConvertError : public common::Error {
public:
    using Error::Error;
};

class EStreamError : public common::Error {
public:
    using Error::Error;
};

class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EAESError : public common::Error {
public:
    using Error::Error;
};

// "Cannot open file "%s". %s": a file that could not be opened for reading.
class EFOpenError : public common::Error {
public:
    using Error::Error;
};

// "Cannot create file "%s". %s": a file that could not be created, written or put in place.
class EFCreateError : public common::Error {
public:
    using Error::Error;
};
