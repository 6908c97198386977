#include "ExpectedPage.h"

namespace vistarel::testing {
namespace {

struct Row {
    int indent; // blanks; kTabs for the row indented by two tabs
    const char* text;
};
constexpr int kTabs = -1;
constexpr int kPhotos = -2;  // the photo lines go here
constexpr int kTitle = -3;   // "<title>" name "</title>"
constexpr int kHeading = -4; // the heading with the name

// One entry per row of the table, numbered as there.
const Row kTable[] = {
    /*1*/ {0, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"},
    /*2*/ {0, "<html>"},
    /*3*/ {2, "<head>"},
    /*4*/ {4, "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1250\">"},
    /*5*/ {4, "<link href=\"color.css\" rel=\"StyleSheet\" type=\"text/css\" title=\"formal\">"},
    /*6*/ {kTitle, ""},
    /*7*/ {4, "<style type=\"text/css\">"},
    /*8*/ {6, "a {text-decoration: none;}"},
    /*9*/ {6, "a:hover {text-decoration: none;}"},
    /*10*/ {kTabs, "</style>"},
    /*11*/ {2, "</head>"},
    /*12*/ {2, "<body onresize=\"showView();\" onKeyUp=\"browse(event);\">"},
    /*13*/ {4, "<script type=\"text/javascript\" language=\"JavaScript\">"},
    /*14*/ {6, "var photo_list = new Array();"},
    /*15*/ {6, "var activePic = -1;"},
    /*16*/ {0, ""},
    /*17*/ {6, "function loadPic(url, w_sm, h_sm, w_big, h_big, kom)"},
    /*18*/ {6, "{"},
    /*19*/ {8, "var pic = new Object();"},
    /*20*/ {8, "pic.url   = url;"},
    /*21*/ {8, "pic.w_sm  = w_sm;"},
    /*22*/ {8, "pic.h_sm  = h_sm;"},
    /*23*/ {8, "pic.w_big = w_big;"},
    /*24*/ {8, "pic.h_big = h_big;"},
    /*25*/ {8, "pic.kom   = kom;"},
    /*26*/ {8, "photo_list[photo_list.length++] = pic;"},
    /*27*/ {6, "}"},
    /*28*/ {0, ""},
    /*29*/ {kPhotos, ""},
    /*30*/ {0, ""},
    /*31*/ {6, "function winH()"},
    /*32*/ {6, "{"},
    /*33*/ {8, "if (window.innerHeight)"},
    /*34*/ {10, "return window.innerHeight;"},
    /*35*/ {8, "else if (document.documentElement && document.documentElement.clientHeight)"},
    /*36*/ {10, "return document.documentElement.clientHeight;"},
    /*37*/ {8, "else if (document.body && document.body.clientHeight)"},
    /*38*/ {10, "return document.body.clientHeight;"},
    /*39*/ {8, "else"},
    /*40*/ {10, "return 0;"},
    /*41*/ {6, "}"},
    /*42*/ {0, ""},
    /*43*/ {6, "function winW()"},
    /*44*/ {6, "{"},
    /*45*/ {8, "if (window.innerWidth)"},
    /*46*/ {10, "return window.innerWidth;"},
    /*47*/ {8, "else if (document.documentElement && document.documentElement.clientWidth)"},
    /*48*/ {10, "return document.documentElement.clientWidth;"},
    /*49*/ {8, "else if (document.body && document.body.clientWidth)"},
    /*50*/ {10, "return document.body.clientWidth;"},
    /*51*/ {8, "else"},
    /*52*/ {10, "return 0;"},
    /*53*/ {6, "}"},
    /*54*/ {0, ""},
    /*55*/ {6, "function showPhotoBig(i)"},
    /*56*/ {6, "{"},
    /*57*/ {8, "var picW = 5;"},
    /*58*/ {8, "var picH = 5;"},
    /*59*/ {8, "if (winH() != 0) picH = (winH() / 2) - (photo_list[i].h_big / 2);"},
    /*60*/ {8, "if (winW() != 0) picW = (winW() / 2) - (photo_list[i].w_big / 2);"},
    /*61*/ {8, "if (winH() < photo_list[i].h_big) picH = 5;"},
    /*62*/ {8, "if (winW() < photo_list[i].w_big) picW = 5;"},
    /*63*/ {8, "picH += document.body.scrollTop;"},
    /*64*/ {0, ""},
    /*65*/ {8, "var sipky = i + 1 + \"/\" + photo_list.length;"},
    /*66*/ {8, "var a = \"<a href='#' onclick='return closePhotoEx(\";"},
    /*67*/ {8, "var s = \"<span class='titulek'>\";"},
    // Rows 68 and 70 with the album's length tested, so one photo shows no links.
    /*68*/
    {8, "if ((i == 0) & (photo_list.length > 1)) sipky = sipky + a +(i+1)+\");'>\"+s+\" "
        ">></span></a>\";"},
    /*69*/
    {8, "if ((i > 0) & (i < photo_list.length - 1)) sipky = a +(i-1)+\");'>\"+s+\"<< "
        "</span></a>\" + sipky + a +(i+1)+\");'>\"+s+\" >></span></a>\";"},
    /*70*/
    {8, "if ((i == photo_list.length - 1) & (i > 0)) sipky = a +(i-1)+\");'>\"+s+\"<< "
        "</span></a>\" + sipky;"},
    /*71*/ {0, ""},
    /*72*/ {8, "obj = document.getElementById('bigphoto');"},
    /*73*/
    {8, "obj.innerHTML = \"<span style='position: absolute; left: \" + picW + \"px; top: \" + "
        "picH + \"px'>\"+"},
    /*74*/ {24, "\"<table width='10' class='big' cellspacing='0' cellpadding='0'>\"+"},
    /*75*/
    {24, "\"<tr><td class='titulek'>\"+sipky+\"</td></tr><tr><td "
         "class='titulek'>\"+photo_list[i].kom+\"</td></tr><tr><td class='titulek'>\"+"},
    /*76*/ {24, "\"<a href='#' onclick='return closePhoto();'><img src='\""},
    /*77*/
    {24, "+photo_list[i].url+\"' alt='zav\xF8\xEDt' width='\"+photo_list[i].w_big+\"' "
         "height='\""},
    /*78*/ {24, "+photo_list[i].h_big+\"' border='0'></a></td></tr></table></span>\";"},
    /*79*/ {0, ""},
    /*80*/ {8, "obj.style.display = 'block';"},
    /*81*/ {0, ""},
    /*82*/ {8, "activePic = i;"},
    /*83*/ {7, "}"},
    /*84*/ {0, ""},
    /*85*/ {6, "function showView()"},
    /*86*/ {6, "{"},
    /*87*/ {8, "var wPic, column;"},
    /*88*/ {8, "if (photo_list[0].w_sm > photo_list[0].h_sm)"},
    /*89*/ {10, "wPic = photo_list[0].w_sm;"},
    /*90*/ {8, "else"},
    /*91*/ {10, "wPic = photo_list[0].h_sm;"},
    /*92*/ {8, "if (winW() != 0)"},
    /*93*/ {10, "column = Math.round(winW() / (wPic + 15 ));"},
    /*94*/ {8, "else"},
    /*95*/ {10, "column = 7;"},
    /*96*/
    {8, "c = \"<table width='100%' align='center' border='0' cellspacing='2' "
        "cellpadding='2'><tr>\";"},
    /*97*/ {8, "for(i=0;i<photo_list.length;i++)"},
    /*98*/ {8, "{"},
    /*99*/ {10, "if(i % column == 0) c += \"</tr><tr>\";"},
    /*100*/
    {10, "c += \"<td align='center'><a href='#' onclick='showPhotoBig(\"+i+\"); return "
         "false;'>\"+"},
    /*101*/ {15, "\"<img src='sm_\"+photo_list[i].url+\"' alt='\"+photo_list[i].kom+"},
    /*102*/
    {15, "\"' border='0' height='\"+photo_list[i].h_sm+\"' "
         "width='\"+photo_list[i].w_sm+\"'></a></td>\";"},
    /*103*/ {8, "}"},
    /*104*/ {8, "c += \"</tr></table>\";"},
    /*105*/ {8, "obj = document.getElementById('view');"},
    /*106*/ {8, "obj.innerHTML = c;"},
    /*107*/ {8, "obj.style.display = 'block';"},
    /*108*/ {6, "}"},
    /*109*/ {0, ""},
    /*110*/ {6, "function closePhoto()"},
    /*111*/ {6, "{"},
    /*112*/ {8, "obj = document.getElementById('bigphoto');"},
    /*113*/ {8, "obj.style.display = 'none';"},
    /*114*/ {8, "activePic = -1;"},
    /*115*/ {8, "return false;"},
    /*116*/ {6, "}"},
    /*117*/ {0, ""},
    /*118*/ {6, "function closePhotoEx(i)"},
    /*119*/ {6, "{"},
    /*120*/ {8, "obj = document.getElementById('bigphoto');"},
    /*121*/ {8, "obj.style.display = 'none';"},
    /*122*/ {8, "showPhotoBig(i);"},
    /*123*/ {8, "return false;"},
    /*124*/ {6, "}"},
    /*125*/ {0, ""},
    /*126*/ {6, "function browse(event)"},
    /*127*/ {6, "{"},
    /*128*/ {8, "if (activePic != -1)"},
    /*129*/ {8, "{"},
    /*130*/ {10, "if ((event.keyCode == 37) & (activePic > 0))"},
    /*131*/ {10, "{"},
    /*132*/ {12, "closePhotoEx(activePic - 1);"},
    /*133*/ {10, "}"},
    /*134*/ {0, ""},
    /*135*/ {10, "if ((event.keyCode == 39) & (activePic < photo_list.length - 1))"},
    /*136*/ {10, "{"},
    /*137*/ {12, "closePhotoEx(activePic + 1);"},
    /*138*/ {10, "}"},
    /*139*/ {8, "}"},
    /*140*/ {6, "}"},
    /*141*/ {4, "</script>"},
    /*142*/ {0, ""},
    /*143*/ {kHeading, ""},
    /*144*/ {4, "<div id=\"bigphoto\" style=\"display:none;z-index:200;\"></div>"},
    /*145*/ {4, "<div id=\"view\"></div>"},
    /*146*/ {0, ""},
    /*147*/ {4, "<script type=\"text/javascript\" language=\"JavaScript\">"},
    /*148*/ {6, "showView();"},
    /*149*/ {4, "</script>"},
    /*150*/ {4, "<br />"},
    /*151*/ {4, "<table align=\"center\" border=\"0\">"},
    /*152*/
    {6, "<tr><td><span class=\"nadpis\" style=\"font-size: 10px; font-weight: "
        "normal;\">Created by Derwin's Vistarel 2.0.4</span></td>"},
    /*153*/ {4, "</table>"},
    /*154*/ {2, "</body>"},
    /*155*/ {0, "</html>"},
};
static_assert(sizeof kTable / sizeof kTable[0] == 155);

} // namespace

std::string expectedPage(const std::string& albumName, const std::vector<std::string>& photoLines) {
    std::string page;
    for (const Row& row : kTable) {
        switch (row.indent) {
        case kPhotos:
            for (const auto& line : photoLines)
                page += line + "\r\n";
            continue;
        case kTitle:
            page += "    <title>" + albumName + "</title>";
            break;
        case kHeading:
            page += "    <span class=\"nadpis\"><center>" + albumName + "</center></span><br />";
            break;
        case kTabs:
            page += std::string("\t\t") + row.text;
            break;
        default:
            page += std::string(row.indent, ' ') + row.text;
        }
        page += "\r\n";
    }
    return page;
}

} // namespace vistarel::testing
