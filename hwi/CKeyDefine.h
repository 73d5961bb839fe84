#pragma once

// One key definition of the keyboard's key table: what a key does on one
// layer, and its encoding as 64-byte key records (report payloads).

#include <cstdint>
#include <memory>
#include <vector>

namespace talvane68 {

class CKeyDefine {
public:
    // Kinds as on the wire.
    static constexpr int kNormal = 0;
    static constexpr int kContinous = 1;
    static constexpr int kMacroFirst = 2;  // play mode 0
    static constexpr int kMacroLast = 4;   // play mode 2

    CKeyDefine(int key, int layer, int kind) : m_key(key), m_layer(layer), m_kind(kind) {}
    virtual ~CKeyDefine() = default;

    // Without a buffer: sets *totalSize to the bytes the definition needs (a
    // multiple of blockSize, which must be 64) and returns false. With a
    // zero-filled buffer of that size: writes the record(s); true on success.
    virtual bool Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const = 0;
    // Rebuilds the fields from totalSize bytes of whole received payloads.
    // Counts that point past the received bytes are cut to them.
    virtual bool Decode(const std::uint8_t* buffer, int blockSize, int totalSize) = 0;

    // KeyConfigBlock: the number of ints toBlock writes, and the writing.
    virtual int blockLength() const = 0;
    virtual void toBlock(int* block) const = 0;

    int key() const { return m_key; }
    int layer() const { return m_layer; }
    int kind() const { return m_kind; }

    // A definition object of a wire kind (0..4), empty; null for other kinds.
    static std::unique_ptr<CKeyDefine> create(int key, int layer, int kind);
    // The definition a KeyConfigBlock describes; null when element 0 (or the
    // macro play mode) is not a known kind. Counts are cut to the limits of
    // one record.
    static std::unique_ptr<CKeyDefine> fromBlock(int key, int layer, const int* block);

protected:
    // Writes payload bytes 0..4 shared by every record.
    void writeRecordStart(std::uint8_t* payload) const;
    // The start of Encode for the kinds that fit one report: sets *totalSize
    // to 64 and, given a buffer, writes its record start. True when the caller
    // goes on filling the buffer.
    bool beginSingleReport(std::uint8_t* buffer, int blockSize, int* totalSize) const;
    // Stores codes, cut to the limit of one record.
    static void assignCodes(std::vector<int>& target, std::vector<int> codes, int limit);

private:
    int m_key;    // 1..69
    int m_layer;  // 1..2
    int m_kind;   // 0 normal, 1 continuous, 2..4 macro
};

}  // namespace talvane68
