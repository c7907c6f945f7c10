#include "os/Files.h"

#include <windows.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <memory>
#include <vector>

namespace zazuzar::os {
namespace {

// The system's text for an error code, without its closing full stop.
QString Reason(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  QString reason = QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
  LocalFree(text);
  if (reason.endsWith(QLatin1Char('.'))) {
    reason.chop(1);
  }
  return reason.isEmpty() ? QStringLiteral("Fehler %1").arg(code) : reason;
}

const wchar_t* Native(const QString& path) {
  return reinterpret_cast<const wchar_t*>(path.utf16());
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// A security descriptor whose access list is the file's own (nothing of its
// folder's) and grants the user the process runs as every right, and no one
// else any.
class UserAlone {
 public:
  UserAlone() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) {
      return;
    }
    const Handle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    user_.resize(size);
    if (!GetTokenInformation(token.get(), TokenUser, user_.data(), size, &size)) {
      return;
    }
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;
    acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid));
    auto* acl = reinterpret_cast<ACL*>(acl_.data());
    valid_ = InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
             AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, sid) &&
             InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) &&
             SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
  }
  // Null where the user could not be told: the save then fails.
  SECURITY_ATTRIBUTES* Attributes() {
    attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    return valid_ ? &attributes_ : nullptr;
  }

 private:
  std::vector<unsigned char> user_, acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
  bool valid_ = false;
};

}  // namespace

std::optional<SaveFailure> SaveWhole(const QString& path, const std::string& bytes,
                                     NewFileAccess access) {
  const QFileInfo existing(path);
  if (existing.isDir()) {
    return SaveFailure{QStringLiteral("Ein Ordner, keine Datei")};
  }
  const QString target = existing.exists() ? existing.canonicalFilePath() : path;
  // Keys and plain texts, and every file that replaces another, are the
  // user's alone from their first byte: made so, not changed later.
  UserAlone userAlone;
  SECURITY_ATTRIBUTES* attributes = nullptr;
  if (existing.exists() || access == NewFileAccess::OwnerOnly) {
    attributes = userAlone.Attributes();
    if (!attributes) {
      return SaveFailure{Reason(GetLastError())};
    }
  }
  // Beside the target, so that the move is a rename on the same disk; open
  // for no one else while it is written.
  QString temporary;
  HANDLE raw = INVALID_HANDLE_VALUE;
  for (int attempt = 0; raw == INVALID_HANDLE_VALUE && attempt < 16; ++attempt) {
    temporary = target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::system()->generate(), 8,
                                                       16, QLatin1Char('0'));
    raw = CreateFileW(Native(temporary), GENERIC_WRITE, 0, attributes, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      return SaveFailure{Reason(GetLastError())};
    }
  }
  if (raw == INVALID_HANDLE_VALUE) {
    return SaveFailure{Reason(GetLastError())};
  }
  Handle file(raw);
  const auto fail = [&](DWORD code) {
    file.reset();
    DeleteFileW(Native(temporary));  // the old file stays, nothing beside it
    return SaveFailure{Reason(code)};
  };
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) {
      return fail(GetLastError());
    }
    done += written;
  }
  // On the disk before it replaces anything. A device with nothing to flush
  // is no failure.
  if (!FlushFileBuffers(file.get()) && GetLastError() != ERROR_INVALID_FUNCTION) {
    return fail(GetLastError());
  }
  file.reset();
  if (!MoveFileExW(Native(temporary), Native(target),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return fail(GetLastError());
  }
  return std::nullopt;
}

}  // namespace zazuzar::os
