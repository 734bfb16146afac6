#include "bench/results_table.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace netbar::bench {
namespace {

constexpr double kMegabyte = 1e6;
constexpr double kLinearLimit = 1.5;
constexpr double kWcLimit = 10;
constexpr double kWcAim = 5;
constexpr double kMemoryLimit = 3;

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Milliseconds(double seconds) {
  const double ms = seconds * 1e3;
  return Format(ms < 10 ? "%.2f" : ms < 100 ? "%.1f" : "%.0f", ms);
}

std::string ClientsLabel(int64_t clients) {
  if (clients >= 1000000 && clients % 1000000 == 0) return std::to_string(clients / 1000000) + "M";
  if (clients >= 1000 && clients % 1000 == 0) return std::to_string(clients / 1000) + "k";
  return std::to_string(clients);
}

double NanosecondsPerClient(double seconds, int64_t clients) {
  return clients > 0 ? seconds * 1e9 / static_cast<double>(clients) : 0;
}

double MegabytesPerSecond(int64_t bytes, double seconds) {
  return seconds > 0 ? static_cast<double>(bytes) / kMegabyte / seconds : 0;
}

double PeakOverFile(const ListMeasurement& row) {
  return row.list_bytes > 0 ? static_cast<double>(row.converter_peak_kib) * 1024 /
                                  static_cast<double>(row.list_bytes)
                            : 0;
}

std::string Verdict(bool met) { return met ? "met" : "**missed**"; }

void AppendRow(std::string& out, const ListMeasurement& row) {
  const std::string in_process =
      row.in_process_seconds > 0
          ? Milliseconds(row.in_process_seconds) + " | " +
                Format("%.0f", MegabytesPerSecond(row.list_bytes, row.in_process_seconds)) + " | " +
                Format("%.0f", NanosecondsPerClient(row.in_process_seconds, row.clients))
          : "– | – | –";
  out += "| " + std::string(ListFormatLabel(row.format)) + " | " + ClientsLabel(row.clients) +
         " | " + Format("%.1f", static_cast<double>(row.list_bytes) / kMegabyte) + " | " +
         Milliseconds(row.converter_seconds) + " | " +
         Format("%.0f", MegabytesPerSecond(row.list_bytes, row.converter_seconds)) + " | " +
         Format("%.0f", NanosecondsPerClient(row.converter_seconds, row.clients)) + " | " +
         Format("%.1f", static_cast<double>(row.converter_peak_kib) / 1024) + " | " +
         Format("%.2f", PeakOverFile(row)) + " | " + in_process + " | " +
         Milliseconds(row.wc_seconds) + " | " + Milliseconds(row.awk_seconds) +
         (row.awk_same_lines ? "" : " (differs)") + " | " +
         Format("%.1f", row.wc_seconds > 0 ? row.converter_seconds / row.wc_seconds : 0) + " | " +
         Format("%.1f", row.converter_seconds > 0 ? row.awk_seconds / row.converter_seconds : 0) +
         " |\n";
}

void AppendTargets(std::string& out, const std::vector<ListMeasurement>& rows) {
  std::map<ListFormat, std::vector<const ListMeasurement*>> by_format;
  for (const ListMeasurement& row : rows) by_format[row.format].push_back(&row);

  out += "\n| Target | 顺网 | 网众 | 云更新 | Verdict |\n|---|---|---|---|---|\n";
  std::string linear_e2e =
      "| Linear: ns/client at the largest ÷ at the smallest list, "
      "netbar-mac (≤ 1.5)";
  std::string linear_in = "| Linear: the same in-process (≤ 1.5)";
  std::string wc = "| Largest list: netbar-mac ÷ `wc -l` (< 10, aim 5)";
  std::string memory = "| Largest list: peak memory ÷ file size (< 3)";
  bool linear_e2e_met = true, linear_in_met = true, wc_met = true, wc_aim_met = true;
  bool memory_met = true;
  for (const ListFormat format : kAllListFormats) {
    auto& list = by_format[format];
    std::sort(list.begin(), list.end(),
              [](const auto* a, const auto* b) { return a->clients < b->clients; });
    if (list.size() < 2) {
      linear_e2e += " | –";
      linear_in += " | –";
    } else {
      const ListMeasurement& small = *list.front();
      const ListMeasurement& large = *list.back();
      const double e2e = NanosecondsPerClient(large.converter_seconds, large.clients) /
                         NanosecondsPerClient(small.converter_seconds, small.clients);
      linear_e2e += " | " + Format("%.2f", e2e);
      linear_e2e_met = linear_e2e_met && e2e <= kLinearLimit;
      if (small.in_process_seconds > 0 && large.in_process_seconds > 0) {
        const double in = NanosecondsPerClient(large.in_process_seconds, large.clients) /
                          NanosecondsPerClient(small.in_process_seconds, small.clients);
        linear_in += " | " + Format("%.2f", in);
        linear_in_met = linear_in_met && in <= kLinearLimit;
      } else {
        linear_in += " | –";
      }
    }
    if (list.empty()) {
      wc += " | –";
      memory += " | –";
      continue;
    }
    const ListMeasurement& large = *list.back();
    const double over_wc = large.converter_seconds / large.wc_seconds;
    wc += " | " + Format("%.1f", over_wc);
    wc_met = wc_met && over_wc < kWcLimit;
    wc_aim_met = wc_aim_met && over_wc <= kWcAim;
    // Small lists are dwarfed by the program's own few megabytes.
    const double peak = PeakOverFile(large);
    memory += " | " + Format("%.2f", peak);
    memory_met = memory_met && peak < kMemoryLimit;
  }
  out += linear_e2e + " | " + Verdict(linear_e2e_met) + " |\n";
  out += linear_in + " | " + Verdict(linear_in_met) + " |\n";
  out += wc + " | " + Verdict(wc_met) + (wc_met && !wc_aim_met ? " (aim of 5 not reached)" : "") +
         " |\n";
  out += memory + " | " + Verdict(memory_met) + " |\n";
}

void AppendPhases(std::string& out, const std::vector<ListMeasurement>& rows) {
  bool any = false;
  for (const ListMeasurement& row : rows) any = any || row.in_process_seconds > 0;
  if (!any) return;
  out +=
      "\nWhere the in-process time goes (ms, best of the repetitions; the phases are timed on "
      "their own, for the largest lists):\n\n";
  out +=
      "| List | Clients | read | detect | split | walk | sum | whole conversion "
      "| page faults per conversion |\n";
  out += "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n";
  for (const ListMeasurement& row : rows) {
    if (row.in_process_seconds <= 0) continue;
    out += "| " + std::string(ListFormatLabel(row.format)) + " | " + ClientsLabel(row.clients);
    double sum = 0;
    for (const double seconds : row.phase_seconds) {
      out += " | " + Milliseconds(seconds);
      sum += seconds;
    }
    if (row.phase_seconds.empty()) {
      out += " | – | – | – | – | –";
    } else {
      out += " | " + Milliseconds(sum);
    }
    out += " | " + Milliseconds(row.in_process_seconds) + " | " +
           Format("%.0f", row.in_process_page_faults) + " |\n";
  }
  out +=
      "\nread: ReadWholeFile and BytesToText; detect: DetectSourceFormat; split: SplitText "
      "into the chunk list; walk: the extractor and EmitRecord for every chunk, output file "
      "included. A page fault is a fresh 4 KiB page of memory.\n";
}

}  // namespace

std::string RenderResults(const std::vector<ListMeasurement>& rows,
                          const RunConditions& conditions) {
  std::string out;
  out +=
      "| List | Clients | File MB | netbar-mac ms | MB/s | ns/client | Peak MB | Peak ÷ file "
      "| In-process ms | MB/s | ns/client | `wc -l` ms | awk ms | netbar-mac ÷ `wc -l` "
      "| awk ÷ netbar-mac |\n";
  out += "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
  for (const ListMeasurement& row : rows) AppendRow(out, row);
  AppendTargets(out, rows);
  AppendPhases(out, rows);
  out += "\nTimes are wall-clock, the best of " + std::to_string(conditions.runs) +
         " runs for the programs (netbar-mac with `--output FILE LIST` and standard output to "
         "/dev/null, `wc -l LIST`, `LC_ALL=C awk 'PROGRAM' LIST > FILE`), of " +
         std::to_string(conditions.in_process_repetitions) +
         " Google Benchmark repetitions in-process (ConvertDroppedFile with a report that "
         "discards the lines; each repetition is the mean of as many conversions as fill its "
         "minimum time). Peak MB is the largest maximum resident set of netbar-mac over "
         "its runs. MB = 10^6 bytes. awk is " +
         conditions.awk + "; \"(differs)\" marks an awk output that is not the converter's.\n";
  out += "\nMachine: " + conditions.machine + "; load average " + conditions.load_before +
         " before, " + conditions.load_after + " after.\n";
  return out;
}

}  // namespace netbar::bench
