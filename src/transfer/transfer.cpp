#include "transfer/transfer.h"

#include "text/gbk.h"
#include "text/texts.h"

namespace {

Text NormalisePath(const Text& path, LeadByteTest isLead) {
    Text folded = FoldAsciiCase(path, isLead);
    Text normal;
    for (size_t at = 0; at < folded.size();) {
        size_t charSize = CharSizeAt(folded, at, isLead);
        normal.Append(charSize == 1 && folded[at] == '/' ? "\\" : folded.c_str() + at, charSize);
        at += charSize;
    }
    // Only a backslash that is a character of its own counts, never a GBK trail byte.
    size_t size = normal.size();
    while (size > 0 && FindLastChar(normal.Left(size), '\\', isLead) == size - 1) --size;
    return normal.Left(size);
}

bool IsCharBoundary(const Text& text, size_t position, LeadByteTest isLead) {
    size_t at = 0;
    while (at < position) at += CharSizeAt(text, at, isLead);
    return at == position;
}

Text HexCode(uint32_t code) {
    char digits[11] = "0x";
    for (int i = 0; i < 8; ++i) digits[2 + i] = "0123456789ABCDEF"[(code >> (28 - 4 * i)) & 0xF];
    digits[10] = '\0';
    return Text(digits);
}

// Why the copy cannot even be tried, or the empty Text when it can.
Text RefuseReason(TransferPorts& ports, const Text& source, const Text& destination) {
    if (source.empty() || destination.empty()) return Text(texts::kReasonEmptyPath);
    Text sourceFull = ports.paths.FullPath(source);
    Text destinationFull = ports.paths.FullPath(destination);
    if (sourceFull.empty() || destinationFull.empty()) return Text();  // the copy itself will say what is wrong
    switch (RelatePaths(sourceFull, destinationFull, ports.paths.LeadBytes())) {
    case PathRelation::Same:
        return Text(texts::kReasonSameFolder);
    case PathRelation::DestinationInside:
        return Text(texts::kReasonDestinationInside);
    case PathRelation::Apart:
        break;
    }
    return Text();
}

void CopyAndReport(TransferPorts& ports, Field from, Field to, const char* succeeded, const char* failed) {
    Text source = ports.fields.Read(from);
    Text destination = ports.fields.Read(to);
    Text reason = RefuseReason(ports, source, destination);
    if (reason.empty()) {
        CopyOutcome outcome = ports.copier.CopyFolderTree(source, destination);
        if (outcome.kind == CopyOutcome::Copied) {
            ports.desktop.ShowMessage(Text(succeeded));
            return;
        }
        reason = DescribeCopyFailure(outcome);
    }
    ports.desktop.ShowMessage(Text(failed) + Text("\n") + reason);
}

}  // namespace

PathRelation RelatePaths(const Text& sourceFull, const Text& destinationFull, LeadByteTest isLead) {
    Text source = NormalisePath(sourceFull, isLead);
    Text destination = NormalisePath(destinationFull, isLead);
    if (source == destination) return PathRelation::Same;
    if (destination.size() > source.size() && destination.Left(source.size()) == source &&
        IsCharBoundary(destination, source.size(), isLead) && destination[source.size()] == '\\') {
        return PathRelation::DestinationInside;
    }
    return PathRelation::Apart;
}

Text DescribeCopyFailure(const CopyOutcome& outcome) {
    if (outcome.kind == CopyOutcome::ComponentMissing) {
        Text reason(texts::kReasonNoComponent);
        if (!outcome.description.empty()) reason.Append("\n").Append(outcome.description);
        return reason;
    }
    if (!outcome.description.empty()) return outcome.description;
    // The script run-time's own error codes, which Windows has no message for.
    struct Known {
        uint32_t code;
        const char* reason;
    };
    static const Known kKnown[] = {
        {0x800A0035, texts::kReasonFileNotFound},     {0x800A004C, texts::kReasonPathNotFound},
        {0x800A0046, texts::kReasonPermissionDenied}, {0x800A003A, texts::kReasonFileExists},
        {0x800A003D, texts::kReasonDiskFull},         {0x800A0034, texts::kReasonBadFileName},
    };
    for (const Known& known : kKnown) {
        if (known.code == outcome.code) return Text(known.reason);
    }
    return Text(texts::kReasonErrorCode) + HexCode(outcome.code);
}

void Backup(TransferPorts& ports) {
    CopyAndReport(ports, Field::GameConfig, Field::Backup, texts::kBackupSucceeded, texts::kBackupFailed);
}

void Restore(TransferPorts& ports) {
    CopyAndReport(ports, Field::Backup, Field::GameConfig, texts::kRestoreSucceeded, texts::kRestoreFailed);
}
