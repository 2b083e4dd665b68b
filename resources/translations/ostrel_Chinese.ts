<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation>T-AD</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>亮度</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation>IR Core</translation>
    </message>
    <message>
        <source>P/N</source>
        <translation>P/N</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation>Engine Set Dialog</translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation>Start Calib</translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation>Manual Dead Point</translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation>无法保存调色板！</translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>5 second</source>
        <translation>5 second</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation>Pw-Start</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation>报警设置</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>点1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>点2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>点3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>高于</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>低于</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>目标:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>温度:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>测量设置</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>镜头:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>量程:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>环境:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>湿度:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>反射:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>正在切换量程！</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>标定文件错误！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正文件错误！</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> 最高</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> 最低</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> 平均</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>区域%1模式</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>区域1设置</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>区域%1设置</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>区域1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>区域2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>区域3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>区%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>高:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>低:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>均:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>无镜头！</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>标定文件错误！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正文件错误！</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>自动关屏</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分钟</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分钟</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分钟</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>当前颜色:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>红:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>绿:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>蓝:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>最小值:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>最大值:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>自定义调色板</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>删除“%1”？</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>无法设置调色板！</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>温差%1设置</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>温差1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>温差2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>视频输出</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>精度</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>温度单位</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>长度单位</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>一位小数</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>两位小数</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>标定文件错误！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正文件错误！</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source> M </source>
        <translation> 手动 </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> 直方图 </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>校正中...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>空间不足</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>自动拍照</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>低于</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>区间</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>高于</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>等温线设置</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>上限:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>下限:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方图</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>调节</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>标准 *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>自定义 *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可见光</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>红外画中画</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>可见光画中画</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>红外融合</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>可见光融合</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>位置: 左上</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>位置: 左下</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>位置: 右下</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>位置: 右上</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>大小: 半屏</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>大小: 全屏</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>位置:左上</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>比例: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>等温线</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>清屏</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>生产日期</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD卡</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>行:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>列:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>水平线</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>垂直线</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>线设置</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>水平线设置</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>垂直线设置</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>水平线</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>垂直线</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>线%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>拍摄</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>照明灯</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>自动关屏</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>自动快门</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分钟</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分钟</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分钟</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分钟</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30分钟</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>使用全局参数</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>发射率:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>距离:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>修正:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>全局参数</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>参数复位 </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>发射率:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>距离:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>修正:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>将所有测量参数恢复为 
 出厂参数？</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存失败！</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>定时拍照</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>间隔</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>全局参数</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>测量设置</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分钟</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分钟</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30分钟</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>自动快门</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分钟</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分钟</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> 手动</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> 最高</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> 最低</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>点%1模式</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>点设置</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>点%1设置</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>点1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>点2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>点3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>点%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>铁红</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>白热</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>黑热</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>棕褐</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>蓝红</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>冷热</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>羽毛</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医疗</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>标准调色板</translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation>EMIF Test</translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation>选择材料</translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation>Two Calib</translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation>Para Setting</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation>CalibInfo </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation>SetBg</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</source>
        <translation>已拒绝：%2 的 AD %1 不低于 %4 的 %3。标定表未改动。</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>已拒绝：%2 的 AD %1 不高于 %4 的 %3。标定表未改动。</translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>删除照片？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>拍照间隔</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>语音备注过长，无法播放。</translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation>未插入SD卡</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>该目录为空</translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Bak</translation>
    </message>
</context>
<context>
    <name>SettingsSync</name>
    <message>
        <source>Settings not stored!</source>
        <translation>设置未保存！</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>该目录为空</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>未插入SD卡</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>取消全选</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>此视频无法播放</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>设置日期</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>设置时间</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24小时制</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12小时制</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>滑动关机</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>正在关机.....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12小时制</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24小时制</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>设置日期</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>年/月/日</translation>
    </message>
</context>
</TS>
