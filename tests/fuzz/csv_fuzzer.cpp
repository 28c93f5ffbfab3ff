// libFuzzer target over the log conversion, the command line's one surface
// for hostile input: any bytes as the table, with any of its options. The
// run must end cleanly, and what it wrote must be the input again, record
// for record, with one field added to every row it converted.
#include "logs/csv_reader.h"
#include "logs/log_converter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace dewpoint::logs;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::FILE* Reading(const std::string& bytes)
{
    // fmemopen refuses an empty buffer; an empty file stands in for it.
    return bytes.empty() ? std::tmpfile() : fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

// Reads both tables side by side: every line and record of the input must
// come out again, a converted row with fields added after its own, a row
// copied as it stands with nothing added; an output that stopped early
// must be a prefix of that.
void RequireSameTable(const std::string& input, const std::string& output, const Settings& settings,
    const LogResult& result, bool finished)
{
    std::FILE* inStream = Reading(input);
    std::FILE* outStream = Reading(output);
    CsvReader in(inStream, 7);  // small blocks: records cross block boundaries
    CsvReader out(outStream);
    // UTF-16LE comes back as UTF-16LE: both are compared as UTF-8.
    if (!settings.encoding && input.substr(0, 2) == "\xFF\xFE") {
        Require(output.substr(0, 2) == "\xFF\xFE" || output.empty());
        in.DecodeUtf16Le();
        out.DecodeUtf16Le();
    }
    Require(in.TakeByteOrderMark() == out.TakeByteOrderMark() || !finished);
    std::string_view inLine;
    std::string_view outLine;
    for (long i = 0; i < result.linesBeforeTable && in.ReadLine(inLine) == ReadStatus::Ok; ++i)
        Require(out.ReadLine(outLine) == ReadStatus::Ok ? outLine == inLine : !finished);
    const char delimiter = result.delimiter;
    Record inRecord;
    Record outRecord;
    for (;;) {
        const ReadStatus inStatus = in.ReadRecord(delimiter, inRecord);
        if (inStatus != ReadStatus::Ok)
            break;
        if (out.ReadRecord(delimiter, outRecord) != ReadStatus::Ok) {
            Require(!finished);
            break;
        }
        Require(outRecord.text.substr(0, inRecord.text.size()) == inRecord.text);
        Require(outRecord.ending == inRecord.ending);
        const std::string_view added = outRecord.text.substr(inRecord.text.size());
        Require(inRecord.blank() ? added.empty() : added.empty() || added.front() == delimiter);
    }
    Require(!finished || out.ReadRecord(delimiter, outRecord) == ReadStatus::End);
    std::fclose(inStream);
    std::fclose(outStream);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    Settings settings;
    settings.input = "fuzz";
    settings.skipLines = data.ConsumeIntegralInRange<long>(0, 2);
    settings.header = data.ConsumeBool();
    settings.delimiter = data.PickValueInArray<char>({'\0', ',', ';', '\t'});
    settings.decimalComma = data.ConsumeBool();
    settings.skipBad = data.ConsumeBool();
    settings.encoding = data.PickValueInArray<std::optional<Encoding>>(
        {std::nullopt, Encoding::Utf8, Encoding::Windows1252, Encoding::CodePage850});
    settings.sensorColumn = settings.header && data.ConsumeBool() ? "dp" : "2";
    std::optional<PressureReading> fixedPressure;
    if (data.ConsumeBool())
        settings.pressureColumn = "1";
    else
        fixedPressure = PressureReading{{7.0, '\0'}};
    if (data.ConsumeBool())
        settings.positionColumn = "3";
    settings.format.unit = false;
    settings.format.fullDigits = data.ConsumeBool();
    // Any read size, so that records, quotes and line endings fall across reads.
    const std::size_t blockSize
        = data.ConsumeBool() ? data.ConsumeIntegralInRange<std::size_t>(1, 64) : CsvReader::kBlock;
    const std::string input = data.ConsumeRemainingBytesAsString();

    std::FILE* in = Reading(input);
    char* written = nullptr;
    std::size_t writtenSize = 0;
    std::FILE* out = open_memstream(&written, &writtenSize);
    const LogResult result = ConvertLog(in, out, settings, fixedPressure, {}, blockSize);
    std::fclose(in);
    std::fclose(out);
    const std::string output(written, writtenSize);
    std::free(written);

    Require(result.outcome != LogOutcome::WriteError);  // memory never fails to write
    RequireSameTable(input, output, settings, result,
        result.outcome == LogOutcome::Done || result.outcome == LogOutcome::RowsSkipped);
    return 0;
}
