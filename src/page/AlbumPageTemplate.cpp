#include "page/AlbumPageTemplate.h"

#include <string_view>

namespace vistarel {
namespace {

// Rows are written with their leading blanks as they go into the file.

constexpr std::string_view kHead[] = {
    R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)",
    R"(<html>)",
    R"(  <head>)",
    R"(    <meta http-equiv="content-type" content="text/html; charset=windows-1250">)",
    R"(    <link href="color.css" rel="StyleSheet" type="text/css" title="formal">)",
};

constexpr std::string_view kStyleAndLoader[] = {
    R"(    <style type="text/css">)",
    R"(      a {text-decoration: none;})",
    R"(      a:hover {text-decoration: none;})",
    "\t\t</style>",
    R"(  </head>)",
    R"(  <body onresize="showView();" onKeyUp="browse(event);">)",
    R"(    <script type="text/javascript" language="JavaScript">)",
    R"(      var photo_list = new Array();)",
    R"(      var activePic = -1;)",
    R"()",
    R"(      function loadPic(url, w_sm, h_sm, w_big, h_big, kom))",
    R"(      {)",
    R"(        var pic = new Object();)",
    R"(        pic.url   = url;)",
    R"(        pic.w_sm  = w_sm;)",
    R"(        pic.h_sm  = h_sm;)",
    R"(        pic.w_big = w_big;)",
    R"(        pic.h_big = h_big;)",
    R"(        pic.kom   = kom;)",
    R"(        photo_list[photo_list.length++] = pic;)",
    R"(      })",
    R"()",
};

constexpr std::string_view kWindowSize[] = {
    R"()",
    R"(      function winH())",
    R"(      {)",
    R"(        if (window.innerHeight))",
    R"(          return window.innerHeight;)",
    R"(        else if (document.documentElement && document.documentElement.clientHeight))",
    R"(          return document.documentElement.clientHeight;)",
    R"(        else if (document.body && document.body.clientHeight))",
    R"(          return document.body.clientHeight;)",
    R"(        else)",
    R"(          return 0;)",
    R"(      })",
    R"()",
    R"(      function winW())",
    R"(      {)",
    R"(        if (window.innerWidth))",
    R"(          return window.innerWidth;)",
    R"(        else if (document.documentElement && document.documentElement.clientWidth))",
    R"(          return document.documentElement.clientWidth;)",
    R"(        else if (document.body && document.body.clientWidth))",
    R"(          return document.body.clientWidth;)",
    R"(        else)",
    R"(          return 0;)",
    R"(      })",
    R"()",
};

// The navigation rows test the album's length too, so a one-photo album shows no links
// to photos that do not exist.
constexpr std::string_view kOverlay[] = {
    R"(      function showPhotoBig(i))",
    R"(      {)",
    R"(        var picW = 5;)",
    R"(        var picH = 5;)",
    R"(        if (winH() != 0) picH = (winH() / 2) - (photo_list[i].h_big / 2);)",
    R"(        if (winW() != 0) picW = (winW() / 2) - (photo_list[i].w_big / 2);)",
    R"(        if (winH() < photo_list[i].h_big) picH = 5;)",
    R"(        if (winW() < photo_list[i].w_big) picW = 5;)",
    R"(        picH += document.body.scrollTop;)",
    R"()",
    R"(        var sipky = i + 1 + "/" + photo_list.length;)",
    R"(        var a = "<a href='#' onclick='return closePhotoEx(";)",
    R"(        var s = "<span class='titulek'>";)",
    R"(        if ((i == 0) & (photo_list.length > 1)) sipky = sipky + a +(i+1)+");'>"+s+" >></span></a>";)",
    R"(        if ((i > 0) & (i < photo_list.length - 1)) sipky = a +(i-1)+");'>"+s+"<< </span></a>" + sipky + a +(i+1)+");'>"+s+" >></span></a>";)",
    R"(        if ((i == photo_list.length - 1) & (i > 0)) sipky = a +(i-1)+");'>"+s+"<< </span></a>" + sipky;)",
    R"()",
    R"(        obj = document.getElementById('bigphoto');)",
    R"(        obj.innerHTML = "<span style='position: absolute; left: " + picW + "px; top: " + picH + "px'>"+)",
    R"(                        "<table width='10' class='big' cellspacing='0' cellpadding='0'>"+)",
    R"(                        "<tr><td class='titulek'>"+sipky+"</td></tr><tr><td class='titulek'>"+photo_list[i].kom+"</td></tr><tr><td class='titulek'>"+)",
    R"(                        "<a href='#' onclick='return closePhoto();'><img src='")",
    R"(                        +photo_list[i].url+"' alt='zavřít' width='"+photo_list[i].w_big+"' height='")",
    R"(                        +photo_list[i].h_big+"' border='0'></a></td></tr></table></span>";)",
    R"()",
    R"(        obj.style.display = 'block';)",
    R"()",
    R"(        activePic = i;)",
    R"(       })",
    R"()",
};

constexpr std::string_view kGrid[] = {
    R"(      function showView())",
    R"(      {)",
    R"(        var wPic, column;)",
    R"(        if (photo_list[0].w_sm > photo_list[0].h_sm))",
    R"(          wPic = photo_list[0].w_sm;)",
    R"(        else)",
    R"(          wPic = photo_list[0].h_sm;)",
    R"(        if (winW() != 0))",
    R"(          column = Math.round(winW() / (wPic + 15 ));)",
    R"(        else)",
    R"(          column = 7;)",
    R"(        c = "<table width='100%' align='center' border='0' cellspacing='2' cellpadding='2'><tr>";)",
    R"(        for(i=0;i<photo_list.length;i++))",
    R"(        {)",
    R"(          if(i % column == 0) c += "</tr><tr>";)",
    R"(          c += "<td align='center'><a href='#' onclick='showPhotoBig("+i+"); return false;'>"+)",
    R"(               "<img src='sm_"+photo_list[i].url+"' alt='"+photo_list[i].kom+)",
    R"(               "' border='0' height='"+photo_list[i].h_sm+"' width='"+photo_list[i].w_sm+"'></a></td>";)",
    R"(        })",
    R"(        c += "</tr></table>";)",
    R"(        obj = document.getElementById('view');)",
    R"(        obj.innerHTML = c;)",
    R"(        obj.style.display = 'block';)",
    R"(      })",
    R"()",
};

constexpr std::string_view kCloseAndKeys[] = {
    R"(      function closePhoto())",
    R"(      {)",
    R"(        obj = document.getElementById('bigphoto');)",
    R"(        obj.style.display = 'none';)",
    R"(        activePic = -1;)",
    R"(        return false;)",
    R"(      })",
    R"()",
    R"(      function closePhotoEx(i))",
    R"(      {)",
    R"(        obj = document.getElementById('bigphoto');)",
    R"(        obj.style.display = 'none';)",
    R"(        showPhotoBig(i);)",
    R"(        return false;)",
    R"(      })",
    R"()",
    R"(      function browse(event))",
    R"(      {)",
    R"(        if (activePic != -1))",
    R"(        {)",
    R"(          if ((event.keyCode == 37) & (activePic > 0)))",
    R"(          {)",
    R"(            closePhotoEx(activePic - 1);)",
    R"(          })",
    R"()",
    R"(          if ((event.keyCode == 39) & (activePic < photo_list.length - 1)))",
    R"(          {)",
    R"(            closePhotoEx(activePic + 1);)",
    R"(          })",
    R"(        })",
    R"(      })",
    R"(    </script>)",
    R"()",
};

constexpr std::string_view kBodyEnd[] = {
    R"(    <div id="bigphoto" style="display:none;z-index:200;"></div>)",
    R"(    <div id="view"></div>)",
    R"()",
    R"(    <script type="text/javascript" language="JavaScript">)",
    R"(      showView();)",
    R"(    </script>)",
    R"(    <br />)",
    R"(    <table align="center" border="0">)",
    R"(      <tr><td><span class="nadpis" style="font-size: 10px; font-weight: normal;">Created by Derwin's Vistarel 2.0.4</span></td>)",
    R"(    </table>)",
    R"(  </body>)",
    R"(</html>)",
};

template <std::size_t N>
void append(std::vector<std::string>& rows, const std::string_view (&block)[N]) {
    for (const auto row : block)
        rows.emplace_back(row);
}

} // namespace

std::size_t firstPhotoRow() {
    return std::size(kHead) + 1 + std::size(kStyleAndLoader);
}

std::vector<std::string> albumPageRows(const std::string& albumName,
                                       const std::vector<std::string>& photoLines) {
    std::vector<std::string> rows;
    rows.reserve(160 + photoLines.size());
    append(rows, kHead);
    rows.push_back("    <title>" + albumName + "</title>");
    append(rows, kStyleAndLoader);
    rows.insert(rows.end(), photoLines.begin(), photoLines.end());
    append(rows, kWindowSize);
    append(rows, kOverlay);
    append(rows, kGrid);
    append(rows, kCloseAndKeys);
    rows.push_back(R"(    <span class="nadpis"><center>)" + albumName + "</center></span><br />");
    append(rows, kBodyEnd);
    return rows;
}

} // namespace vistarel
