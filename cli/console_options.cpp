#include "cli/console_options.h"

namespace netbar {

TextView ConsoleUsage() {
  return "用法：netbar-mac [--output 路径] [--explain] 列表文件\n"
         "      netbar-mac --help\n"
         "\n"
         "把无盘服务器的客户机列表（顺网 ClientConfig.xml、网众或云更新的节列表）\n"
         "转换为 MAC 列表：每台客户机一行，MAC、一个空格、机器名。\n"
         "\n"
         "  --output 路径  写入的文件；默认为当前目录下的 Netbar_MAC.txt。\n"
         "                 每次运行都先清空或新建它。\n"
         "  --explain      在标准错误上逐条说明被丢弃的客户机块及原因。\n"
         "  --help         显示本说明。\n"
         "\n"
         "写入的每一行同时原样输出到标准输出；结果摘要输出到标准错误。\n"
         "退出状态：0 至少写出一条记录；1 无记录写出；\n"
         "          2 用法错误，或输出文件无法打开或写入；255 运行时出错。\n";
}

ParsedOptions ParseConsoleOptions(const std::vector<Text>& arguments) {
  ParsedOptions parsed;
  ConsoleOptions& options = parsed.options;
  std::vector<Text> lists;
  bool options_ended = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const Text& argument = arguments[i];
    if (options_ended || argument.empty() || argument[0] != '-' || argument == "-") {
      lists.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--explain") {
      options.explain = true;
    } else if (argument == "--output" || argument == "-o") {
      if (i + 1 >= arguments.size()) {
        parsed.error = "--output 后缺少路径";
        return parsed;
      }
      options.output_path = arguments[++i];
    } else if (argument.rfind("--output=", 0) == 0) {
      options.output_path = argument.substr(9);
    } else {
      parsed.error = "未知选项：" + argument;
      return parsed;
    }
  }
  if (options.help) return parsed;
  if (options.output_path && options.output_path->empty()) {
    parsed.error = "输出路径为空";
  } else if (lists.empty()) {
    parsed.error = "缺少列表文件";
  } else if (lists.size() > 1) {
    parsed.error = "只能给出一个列表文件";
  } else {
    options.list_path = lists[0];
  }
  return parsed;
}

}  // namespace netbar
