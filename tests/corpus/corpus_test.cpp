// veltra-probe's lines for every recorded processor of the corpus, against
// CPUID decoded here on its own and against the reference values of
// expected.tsv. Prints one summary line; the targets are 98% of the cache
// values, 97% of the microarchitectures and 90% of the codenames, with the
// known disagreements (tests/data/known-disagreements.tsv) set aside.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "probe/cpuid_dump.h"
#include "support/seams.h"
#include "tools/probe_lines.h"

namespace {

const std::string data_dir = VELTRA_TEST_DATA;
const std::string corpus_dir = data_dir + "/cpuid-corpus";

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.push_back("");
    return parts;
}

std::vector<std::vector<std::string>> read_tsv(const std::string &path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        rows.push_back(split(line, '\t'));
    }
    return rows;
}

struct reference {
    std::string dump, uarch, codename;
    int cache[4]; // l1i (the trace cache on NetBurst), l1d, l2, l3
};

const char *const cache_fields[4] = {"l1i", "l1d", "l2", "l3"};

// The dump's leaves, read here with the C library alone.
typedef std::map<std::pair<uint32_t, uint32_t>, std::vector<uint32_t>> leaves;

leaves read_leaves(const std::string &path)
{
    leaves out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        unsigned leaf, sub, a, b, c, d;
        if (sscanf(line.c_str(), " 0x%x 0x%x: eax=0x%x ebx=0x%x ecx=0x%x edx=0x%x", &leaf, &sub, &a, &b, &c, &d) == 6)
            out[{leaf, sub}] = {a, b, c, d};
    }
    return out;
}

uint32_t reg(const leaves &l, uint32_t leaf, int index)
{
    auto it = l.find({leaf, 0});
    return it == l.end() ? 0 : it->second[index];
}

// The report's four processor lines as Intel and AMD document the leaves.
std::string expected_identity_lines(const leaves &l)
{
    uint32_t signature = reg(l, 1, 0);
    char vendor[13];
    uint32_t parts[3] = {reg(l, 0, 1), reg(l, 0, 3), reg(l, 0, 2)};
    memcpy(vendor, parts, 12);
    vendor[12] = '\0';
    std::string brand = "Not Supported";
    if (reg(l, 0x80000000, 0) >= 0x80000004) {
        char raw[49] = {0};
        for (uint32_t leaf = 0; leaf < 3; leaf++)
            for (int r = 0; r < 4; r++) {
                uint32_t v = reg(l, 0x80000002 + leaf, r);
                memcpy(raw + leaf * 16 + r * 4, &v, 4);
            }
        brand = std::string(raw, strnlen(raw, 48));
        size_t start = brand.find_first_not_of(' ');
        brand = start == std::string::npos ? "" : brand.substr(start);
    }
    char text[512];
    snprintf(text, sizeof text,
             "CPUID         : [%04X %02X %01X]\nVENDER STRING : [%s]\nNAME STRING   : [%s]\nFEATURE       : [%08X]\n",
             signature, (signature >> 20) & 0xFF, (signature >> 16) & 0xF, vendor, brand.c_str(), reg(l, 1, 3));
    return text;
}

struct probe_result {
    std::string identity; // the first four lines
    std::string name, uarch;
    int l1i, l1t, l1d, l2, l3;
};

bool run_probe(const std::string &path, probe_result *out, std::string *error)
{
    leaf_table table;
    char message[512];
    if (!cpuid_dump_load(path.c_str(), &table, message, sizeof message)) {
        *error = message;
        return false;
    }
    char text[2048];
    {
        scoped_cpu cpu(&table);
        format_probe_lines(text, sizeof text);
    }
    std::vector<std::string> lines = split(text, '\n');
    if (lines.size() != 8 || !lines[7].empty()) {
        *error = "not seven lines:\n" + std::string(text);
        return false;
    }
    out->identity = lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n" + lines[3] + "\n";
    if (lines[4].compare(0, 8, "cpu   : ") != 0 || lines[6].compare(0, 8, "uarch : ") != 0 ||
        sscanf(lines[5].c_str(), "cache : L1I:%d L1T:%d L1D:%d L2D:%d L3D:%d", &out->l1i, &out->l1t, &out->l1d,
               &out->l2, &out->l3) != 5) {
        *error = "lines 5-7 malformed:\n" + std::string(text);
        return false;
    }
    out->name = lines[4].substr(8);
    out->uarch = lines[6].substr(8);
    return true;
}

std::string lower(std::string s)
{
    for (char &c : s)
        c = (char)tolower((unsigned char)c);
    return s;
}

// The reference's codename is the part in parentheses, or all of it.
std::string reference_codename(const std::string &text)
{
    size_t open = text.find('('), close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return text;
    return text.substr(open + 1, close - open - 1);
}

struct tally {
    int agree = 0, counted = 0;
    double percent() const { return counted ? 100.0 * agree / counted : 100.0; }
};

TEST(Corpus, EveryDumpAgainstItsReference)
{
    std::vector<reference> refs;
    std::vector<std::vector<std::string>> rows = read_tsv(corpus_dir + "/expected.tsv");
    ASSERT_GT(rows.size(), 1u) << "no corpus at " << corpus_dir;
    ASSERT_EQ(rows[0][0], "dump");
    for (size_t i = 1; i < rows.size(); i++) {
        const std::vector<std::string> &r = rows[i];
        ASSERT_GE(r.size(), 7u) << "expected.tsv row " << i;
        refs.push_back({r[0], r[1], r[6], {atoi(r[2].c_str()), atoi(r[3].c_str()), atoi(r[4].c_str()),
                                           atoi(r[5].c_str())}});
    }

    // dump -> fields set aside, each with its reason.
    std::map<std::string, std::set<std::string>> known;
    int known_values = 0, known_lines = 0;
    for (const std::vector<std::string> &r : read_tsv(data_dir + "/known-disagreements.tsv")) {
        ASSERT_EQ(r.size(), 3u) << "known disagreement needs dump, fields and reason: " << r[0];
        EXPECT_GT(r[2].size(), 20u) << "a reason, please: " << r[0];
        known_lines++;
        for (const std::string &field : split(r[1], ',')) {
            static const std::set<std::string> fields = {"l1i", "l1d", "l2", "l3", "uarch", "codename"};
            EXPECT_TRUE(fields.count(field)) << r[0] << ": unknown field " << field;
            EXPECT_TRUE(known[r[0]].insert(field).second) << r[0] << ": " << field << " listed twice";
            known_values++;
        }
    }

    tally caches, uarchs, codenames;
    std::set<std::string> seen;
    for (const reference &ref : refs) {
        SCOPED_TRACE(ref.dump);
        seen.insert(ref.dump);
        probe_result got;
        std::string error;
        if (!run_probe(corpus_dir + "/" + ref.dump, &got, &error)) {
            ADD_FAILURE() << error;
            continue;
        }
        EXPECT_EQ(got.identity, expected_identity_lines(read_leaves(corpus_dir + "/" + ref.dump)));
        EXPECT_FALSE(got.name.empty());

        static const std::set<std::string> nothing;
        auto entry = known.find(ref.dump);
        const std::set<std::string> &set_aside = entry == known.end() ? nothing : entry->second;
        bool netburst = got.uarch == "NetBurst";
        if (netburst) {
            EXPECT_EQ(got.l1i, 0) << "NetBurst reports its trace cache as L1T, L1I as 0";
        }
        const int ours[4] = {netburst ? got.l1t : got.l1i, got.l1d, got.l2, got.l3};
        std::string ref_code = reference_codename(ref.codename);
        const bool agrees[6] = {ours[0] == ref.cache[0],
                                ours[1] == ref.cache[1],
                                ours[2] == ref.cache[2],
                                ours[3] == ref.cache[3],
                                got.uarch == ref.uarch,
                                lower(got.name).find(lower(ref_code)) != std::string::npos};
        const char *const fields[6] = {"l1i", "l1d", "l2", "l3", "uarch", "codename"};
        for (int f = 0; f < 6; f++) {
            tally &t = f < 4 ? caches : f == 4 ? uarchs : codenames;
            if (set_aside.count(fields[f])) {
                EXPECT_FALSE(agrees[f]) << "stale known disagreement: " << fields[f] << " agrees";
                continue;
            }
            t.counted++;
            if (agrees[f]) {
                t.agree++;
                continue;
            }
            if (f < 4)
                printf("disagree %s %s: ours %d, reference %d\n", ref.dump.c_str(), cache_fields[f], ours[f],
                       ref.cache[f]);
            else if (f == 4)
                printf("disagree %s uarch: ours %s, reference %s\n", ref.dump.c_str(), got.uarch.c_str(),
                       ref.uarch.c_str());
            else
                printf("disagree %s codename: ours %s, reference %s\n", ref.dump.c_str(), got.name.c_str(),
                       ref.codename.c_str());
        }
    }
    for (const auto &entry : known)
        EXPECT_TRUE(seen.count(entry.first)) << "known disagreement for a dump not in the corpus: " << entry.first;

    printf("corpus: %d dumps; cache values agreeing %d/%d (%.1f%%); microarchitectures agreeing %d/%d (%.1f%%); "
           "codenames agreeing %d/%d (%.1f%%); set aside: %d values of %d known disagreements\n",
           (int)refs.size(), caches.agree, caches.counted, caches.percent(), uarchs.agree, uarchs.counted,
           uarchs.percent(), codenames.agree, codenames.counted, codenames.percent(), known_values, known_lines);
    EXPECT_GE(caches.percent(), 98.0);
    EXPECT_GE(uarchs.percent(), 97.0);
    EXPECT_GE(codenames.percent(), 90.0);
}

} // namespace
