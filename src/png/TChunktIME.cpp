#include "png/TChunktIME.h"

#include "png/BigEndian.h"

void TChunktIME::CopyFrom(const TChunk& source) {
    if (const auto* time = dynamic_cast<const TChunktIME*>(&source)) {
        Year = time->Year;
        Month = time->Month;
        Day = time->Day;
        Hour = time->Hour;
        Minute = time->Minute;
        Second = time->Second;
    }
}

bool TChunktIME::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    if (PayloadSize() == kPayloadSize) {
        const std::uint8_t* bytes = Payload();
        Year = *png::ReadU16BE(PayloadBytes(), 0);
        Month = bytes[2];
        Day = bytes[3];
        Hour = bytes[4];
        Minute = bytes[5];
        Second = bytes[6];
    }
    return true;
}

bool TChunktIME::WriteChunk(TStream& stream) {
    ResizePayload(kPayloadSize);
    std::uint8_t* bytes = Payload();
    png::WriteU16BE({bytes, kPayloadSize}, 0, Year);
    bytes[2] = Month;
    bytes[3] = Day;
    bytes[4] = Hour;
    bytes[5] = Minute;
    bytes[6] = Second;
    return TChunk::WriteChunk(stream);
}
