#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

// The update server's address as every address below it is built from, without a
// trailing slash (but for a drive's root, "file:///C:/"): an "http://" or "https://" address as given, or a folder as a file:
// address ("C:\mirror", "D:/mirror" and "file:///C:/mirror" become "file:///C:/mirror";
// "\\host\share\mirror" and "file://host/share/mirror" become "file://host/share/mirror").
// Nothing for anything else: a relative path, another scheme, a device path, "." or "..".
std::optional<std::u16string> ServerAddress(std::u16string_view text);

// The Windows path a file: address names ("file:///C:/mirror/DataBase/x.xml" is
// "C:\mirror\DataBase\x.xml"), percent escapes decoded as a web server decodes them;
// nothing when it is no such address or would leave its folder.
std::optional<std::u16string> FolderPathOf(std::u16string_view url);

// An address a transfer may reach: http, https, or a file in a folder.
bool IsTransferAddress(const std::u16string& url);

}  // namespace veltra
