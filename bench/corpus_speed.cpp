// How long identifying every recorded processor of the corpus takes:
//
//   corpus_speed FOLDER      (tests/data/cpuid-corpus)
//
// Reads the dumps that FOLDER/expected.tsv lists into memory, then, in each
// of 10 passes, parses every dump and identifies the processor it records,
// as the library does for the live one. Prints the median pass:
//
//   N dumps: T ms (parsing P ms, identifying I ms), median of 10 passes
#include <stdio.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ornik/identify.h"
#include "probe/cpu_seam.h"
#include "probe/cpuid_dump.h"

namespace {

typedef std::chrono::steady_clock clock_type;

double ms_since(clock_type::time_point start)
{
    return std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
}

bool read_file(const std::string &path, std::string *text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    *text = content.str();
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: corpus_speed FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    std::string list;
    if (!read_file(folder + "/expected.tsv", &list)) {
        fprintf(stderr, "corpus_speed: can't read %s/expected.tsv\n", folder.c_str());
        return 1;
    }
    std::vector<std::string> names, dumps;
    std::istringstream lines(list);
    std::string line;
    std::getline(lines, line); // the column names
    while (std::getline(lines, line)) {
        std::string name = line.substr(0, line.find('\t'));
        if (name.empty())
            continue;
        std::string text;
        if (!read_file(folder + "/" + name, &text)) {
            fprintf(stderr, "corpus_speed: can't read %s/%s\n", folder.c_str(), name.c_str());
            return 1;
        }
        names.push_back(name);
        dumps.push_back(text);
    }

    const int passes = 10;
    std::vector<double> totals, parsings, identifyings;
    unsigned long checksum = 0; // keeps the results in use
    for (int pass = 0; pass < passes; pass++) {
        double parsing = 0, identifying = 0;
        clock_type::time_point pass_start = clock_type::now();
        for (size_t i = 0; i < dumps.size(); i++) {
            clock_type::time_point start = clock_type::now();
            leaf_table table;
            char error[256];
            if (!cpuid_dump_parse(dumps[i].c_str(), names[i].c_str(), &table, error, sizeof error)) {
                fprintf(stderr, "corpus_speed: %s\n", error);
                return 1;
            }
            parsing += ms_since(start);
            start = clock_type::now();
            const cpu_seam *previous = cpu_select(leaf_table_cpu(&table));
            cpu_description cpu;
            identify_processor(&cpu);
            cpu_select(previous);
            identifying += ms_since(start);
            checksum += (unsigned long)cpu.l2_kb + (unsigned char)cpu.name[0];
        }
        totals.push_back(ms_since(pass_start));
        parsings.push_back(parsing);
        identifyings.push_back(identifying);
    }
    printf("%lu dumps: %.2f ms (parsing %.2f ms, identifying %.2f ms), median of %d passes\n", (unsigned long)dumps.size(),
           median(totals), median(parsings), median(identifyings), passes);
    return checksum == 0xFFFFFFFFul ? 1 : 0;
}
