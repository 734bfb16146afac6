#include "bench/awk_one_liners.h"

namespace netbar::bench {

std::string_view AwkOneLiner(ListFormat format) {
  switch (format) {
    case ListFormat::kClientConfigXml:
      return R"AWK(BEGIN{FS="[<>]"} $2=="Name"{n=$3} $2=="Mac"{m=toupper($3);gsub(/[-: \t]/,"",m)} $2=="/ClientConfig"{if(length(m)>=12&&n!=""){m=substr(m,1,2)"-"substr(m,3,2)"-"substr(m,5,2)"-"substr(m,7,2)"-"substr(m,9,2)"-"substr(m,11,2);if(m!="00-00-00-00-00-00")printf "%s %s\r\n",m,n}n=m=""})AWK";
    case ListFormat::kNamedSection:
      return R"AWK(/^\[/{n=substr($0,2,index($0,"]")-2)} /^MAC=/{m=substr($0,5,17);gsub(/:/,"-",m);if(n!=""&&m!="00-00-00-00-00-00")printf "%s %s\r\n",m,n})AWK";
    case ListFormat::kMacSection:
      return R"AWK(/^\[/{m=substr($0,2,index($0,"]")-2)} /^Name=/{n=substr($0,6);sub(/\r$/,"",n);if(index(n,"_")&&index(n,"-"))sub(/.*_/,"",n);if(m!=""&&m!="00-00-00-00-00-00"&&n!="")printf "%s %s\r\n",m,n})AWK";
  }
  return {};
}

}  // namespace netbar::bench
