#include "report.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "os/os_seam.h"
#include "probe/cpu_strings.h"
#include "probe/cpu_x86.h"

char report_text[REPORT_TEXT_SIZE];
ident_info ident_library;

#define RULE_EQUALS "========================================================"
#define RULE_HYPHENS "--------------------------------------------------------"
#define ATTRIBUTION "VELTRA processor identification"

static const char TEXT_CANNOT_LOAD[] = "Can not load \"ornik.dll\".";
static const char TEXT_NO_FUNCTION[] = "Can not find the function.";
static const char FORMAT_VERSION_MISMATCH[] = "ORNIK ver%d.%02d\r\nORNIK major version is mismatch.";

void read_processor_identity(processor_identity *out)
{
    read_brand_string(out->brand);
    // Without CPUID the leaf-1 query writes nothing: signature and features 0.
    uint32_t signature = 0, ebx, ecx, features = 0;
    cpuid_query(1, &signature, &ebx, &ecx, &features);
    out->signature = signature;
    out->features = features;
    read_vendor_string(out->vendor);
}

int format_processor_lines(char *out, size_t size, const processor_identity *id, const char *line_end)
{
    uint32_t ext_family = (id->signature >> 20) & 0xFF;
    uint32_t ext_model = (id->signature >> 16) & 0xF;
    return snprintf(out, size,
                    "CPUID         : [%04X %02X %01X]%s"
                    "VENDER STRING : [%.15s]%s"
                    "NAME STRING   : [%.255s]%s"
                    "FEATURE       : [%08X]%s",
                    (unsigned)id->signature, (unsigned)ext_family, (unsigned)ext_model, line_end,
                    id->vendor, line_end, id->brand, line_end, (unsigned)id->features, line_end);
}

static void copy_text(char *out, const char *text)
{
    snprintf(out, REPORT_TEXT_SIZE, "%s", text);
}

static void set_record_defaults(ident_info *record)
{
    record->version = ORNIK_VERSION;
    snprintf(record->extra_name, sizeof record->extra_name, "unknown");
    snprintf(record->cpu_name, sizeof record->cpu_name, "unknown");
    snprintf(record->os_name, sizeof record->os_name, "unknown");
}

// Loads the library, lets it fill the record and checks its version. On
// failure writes the error text into out and returns false.
static bool call_library(char *out, int *major, int *minor)
{
    const os_seam *os = os_current();
    void *library = os->LoadLibraryA(ORNIK_FILE_NAME);
    if (!library) {
        copy_text(out, TEXT_CANNOT_LOAD);
        return false;
    }
    ornik_entry entry = (ornik_entry)os->GetProcAddress(library, ORNIK_EXPORT_NAME);
    if (!entry) {
        copy_text(out, TEXT_NO_FUNCTION);
        os->FreeLibrary(library);
        return false;
    }
    entry(&ident_library);
    // The major version is the version shifted right with its sign kept.
    int32_t version = ident_library.version;
    *major = version >> 8;
    *minor = version & 0xFF;
    if (*major != 1) {
        snprintf(out, REPORT_TEXT_SIZE, FORMAT_VERSION_MISMATCH, *major, *minor);
        os->FreeLibrary(library);
        return false;
    }
    os->FreeLibrary(library);
    return true;
}

void build_report(char *out)
{
    set_record_defaults(&ident_library);
    int major = 0, minor = 0;
    if (!call_library(out, &major, &minor))
        return;

    processor_identity id;
    read_processor_identity(&id);

    uint64_t clock_hz = 0;
    measure_clock_hz(&clock_hz);

    os_version_info version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    os_current()->GetVersionExA(&version);

    char processor_lines[512];
    format_processor_lines(processor_lines, sizeof processor_lines, &id, "\r\n");

    // Every record text is printed to at most 255 bytes: the library may leave
    // a text without its terminator.
    const ident_info &r = ident_library;
    snprintf(out, REPORT_TEXT_SIZE,
             RULE_EQUALS "\r\n"
             "ORNIK ver%d.%02d " ATTRIBUTION "\r\n"
             RULE_EQUALS "\r\n"
             "\r\n"
             "%s"
             "\r\n"
             RULE_HYPHENS "\r\n"
             "\r\n"
             "cpu   : %.255s\r\n"
             "cache : L1I:%d L1T:%d L1D:%d L2D:%d L3D:%d\r\n"
             "clock : %" PRIu64 "[MHz]\r\n"
             "os    : %.255s %.127s\r\n"
             "\r\n"
             RULE_EQUALS "\r\n",
             major, minor, processor_lines, r.cpu_name, (int)r.cache_l1i, (int)r.cache_l1t, (int)r.cache_l1d,
             (int)r.cache_l2d, (int)r.cache_l3d, clock_hz / 1000 / 1000, r.os_name, version.szCSDVersion);
}
