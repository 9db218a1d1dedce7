#pragma once
#include <windows.h>

#include <string>

namespace veltra {

class BodyFile;
class TransferMonitor;
struct DownloadParams;

// Reads a file of a mirror folder (a drive or a share) into the body file, as a transfer
// from a server would arrive: the file's size stands for the announced length, progress
// is sent block by block, a stop ends it between two blocks, and the same limits, hash
// and verdict hold. The worker reads it itself: the URL service knows no length, status
// or streamed body for a file: address. A missing file fails as a server's 404 does.
HRESULT ReadFolderFile(const std::wstring& path, DownloadParams& params, TransferMonitor& monitor, BodyFile& body);

}  // namespace veltra
