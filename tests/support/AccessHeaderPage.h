#pragma once
// The first page of an Access file, made from scratch: for tests of the header and of files too short or damaged to
// be read, and for the fuzz seeds, without any byte of a licensed sample file.

#include "access/AccessHeader.h"

#include <cstdint>
#include <string>

namespace namewright::testing {

struct AccessHeaderFields {
    AccessVersion version = AccessVersion::Jet4;
    std::uint16_t codePage = 936;  ///< Windows code page of Jet 3 texts
    std::string password;          ///< empty for none; at most 20 (Jet 3) or 40 (Jet 4, ACE) bytes
    double creationDate = 40000.5; ///< days since 1899-12-30 (2009-07-06 12:00); Jet 4 masks the password with it
};

/// A whole first page (2048 bytes for Jet 3, 4096 otherwise): page type 0, the signature ("Standard Jet DB" or, for
/// ACE, "Standard ACE DB"), the version number and the header block masked as Access masks it, so that
/// readAccessHeader gives back the fields.
std::string accessHeaderPage(const AccessHeaderFields& fields);

} // namespace namewright::testing
