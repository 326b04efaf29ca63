// The closing messages of a run on the decoding page, as the variant under test words them.
#include "DecodingMessages.h"

#include "Recordings.h"

namespace e2e {

using vocset::TextId;

namespace {

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring RecorderNumberLine(const Context& context) {
    return L"\r\n" + context.Text(TextId::RecorderNumber) + kRecorderNumberText;
}

}  // namespace

std::wstring DecryptedMessage(const Context& context, const std::wstring& sourceName, const std::wstring& targetName,
                              bool validSignature) {
    return Quoted(sourceName) + context.Text(TextId::DecryptedTo) + Quoted(targetName) +
           context.Text(validSignature ? TextId::SignatureValid : TextId::SignatureNotValid) +
           RecorderNumberLine(context);
}

std::wstring CheckedMessage(const Context& context, const std::wstring& sourceName, bool validSignature) {
    return context.Text(TextId::SignatureOfFile) + sourceName +
           context.Text(validSignature ? TextId::FileSignatureValid : TextId::FileSignatureNotValid) +
           RecorderNumberLine(context);
}

}  // namespace e2e
