// libFuzzer target over the log conversion, the command line's one surface
// for hostile input: any bytes as the table, with any of its options. The
// run must end cleanly, and what it wrote must be the input again, record
// for record, with one field added to every row it converted.
#include "cli/csv_reader.h"
#include "cli/log_converter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace dewpoint::cli;

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

// The output with the added field taken off every converted row.
std::string WithoutAddedFields(const std::string& output, const LogOptions& options, char delimiter)
{
    std::FILE* stream = Reading(output);
    CsvReader reader(stream);
    std::string restored;
    std::string_view line;
    for (long i = 0; i < options.skipLines && reader.ReadRawLine(line); ++i)
        restored.append(line);
    Record record;
    while (reader.ReadRecord(delimiter, record)) {
        Require(!record.tooLong);
        if (record.blank() || record.unterminatedQuote) {
            restored.append(record.text).append(record.ending);
            continue;
        }
        Require(record.fields.size() >= 2);
        const std::size_t added = record.fields.back().offset;
        restored.append(record.text.substr(0, added - 1)).append(record.ending);
    }
    std::fclose(stream);
    return restored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    LogOptions options;
    options.inputName = "fuzz";
    options.skipLines = data.ConsumeIntegralInRange<long>(0, 2);
    options.header = data.ConsumeBool();
    options.delimiter = data.PickValueInArray<char>({'\0', ',', ';', '\t'});
    options.decimalComma = data.ConsumeBool();
    options.skipBad = data.ConsumeBool();
    options.sensorColumn = options.header && data.ConsumeBool() ? "dp" : "2";
    if (data.ConsumeBool())
        options.pressureColumn = "1";
    else
        options.fixedPressure = PressureReading{{7.0, '\0'}};
    if (data.ConsumeBool())
        options.positionColumn = "3";
    options.format.fullDigits = data.ConsumeBool();
    const std::string input = data.ConsumeRemainingBytesAsString();

    std::FILE* in = Reading(input);
    char* written = nullptr;
    std::size_t writtenSize = 0;
    std::FILE* out = open_memstream(&written, &writtenSize);
    const LogResult result = ConvertLog(in, out, options, {});
    std::fclose(in);
    std::fclose(out);
    const std::string output(written, writtenSize);
    std::free(written);

    // The delimiter is found in the line after the notes, the same in the output as in the input.
    std::FILE* peek = Reading(input);
    CsvReader reader(peek);
    std::string_view line;
    for (long i = 0; i < options.skipLines && reader.ReadRawLine(line); ++i) { }
    const char delimiter = options.delimiter != '\0' ? options.delimiter : DetectDelimiter(reader.PeekLine());
    std::fclose(peek);

    const std::string restored = WithoutAddedFields(output, options, delimiter);
    switch (result.outcome) {
    case LogOutcome::Done:
    case LogOutcome::RowsSkipped:
        Require(restored == input);
        break;
    case LogOutcome::BadRow:
    case LogOutcome::UsageError:
        Require(input.compare(0, restored.size(), restored) == 0);
        break;
    case LogOutcome::ReadError:
    case LogOutcome::WriteError:
        std::abort();  // memory never fails to read or write
    }
    return 0;
}
