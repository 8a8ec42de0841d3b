#include "connect/CRkConnectMessage.h"

#include <cstring>

void CRkConnectMessage::Clear()
{
    m_nWritePosition = 0;
    m_pOutput[0] = '\0';
}

bool CRkConnectMessage::BeginBlock() { return Fits(kTrailerLength, 0); }

bool CRkConnectMessage::AppendRecord(const char* sqlstate, std::int32_t nativeError, const char* text)
{
    const std::string record = FormatRecord(sqlstate, nativeError, text);
    if (!Fits(record.size(), kTrailerLength))
        return false;
    Write(record.data(), record.size());
    return true;
}

void CRkConnectMessage::EndBlock() { Write(kTrailer, kTrailerLength); }

std::string CRkConnectMessage::FormatRecord(const char* sqlstate, std::int32_t nativeError, const char* text)
{
    std::string record = "\n  SQLSTATE          = ";
    record += sqlstate;
    record += "\n  Native Error Code = ";
    record += std::to_string(nativeError);
    record += "\n";
    record += text;
    record += "\n";
    return record;
}

bool CRkConnectMessage::Fits(std::size_t pieceLength, std::size_t reserved) const
{
    // One byte always stays free for the terminator.
    return static_cast<std::size_t>(m_nWritePosition) + pieceLength + reserved + 1 <=
           static_cast<std::size_t>(kCapacity);
}

void CRkConnectMessage::Write(const char* piece, std::size_t length)
{
    std::memcpy(m_pOutput + m_nWritePosition, piece, length);
    m_nWritePosition = static_cast<std::int16_t>(m_nWritePosition + static_cast<int>(length));
    m_pOutput[m_nWritePosition] = '\0';
}
