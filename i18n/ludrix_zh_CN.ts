<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>访问 %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>联系 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>版本 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>在网页浏览器中打开开发商的网站</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>新建一封发给开发商的咨询邮件</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>管道尺寸计算软件</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>流量计与仪表</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>免费工程工具</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>重置数值</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>选择流量单位</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>流量单位</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>选择流速单位</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>流速单位</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>选择内径单位</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>内径单位</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>输入流量</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>体积流量</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>输入流速</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>流速</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>输入内径</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>内径</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Northfall 标志</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Northfall 网站</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. 点击“计算”得出第三个值</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. 输入任意两个值</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. 选择单位</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>体积流量</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>内径</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>结果过大，无法计算。</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>有数值过小，无法参与计算。</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>流速与流量必须同号才能计算内径。</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>计算失败。</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>请输入三个值中的任意两个再进行计算！</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix 只接受数值</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>立方英尺</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 立方英寸</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>美制加仑</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>百万美制加仑</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 美制加仑</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>升</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>立方米</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>英制加仑</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 升</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>英制桶</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 英制加仑</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>美制液体桶</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>美制石油桶</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>美制联邦桶</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 英寸</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>米</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1：%3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1每秒：每秒 %2</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1每秒：每秒 %3 = %2</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1每分钟：每分钟 %2</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1每分钟：每分钟 %3 = %2</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1每小时：每小时 %2</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1每小时：每小时 %3 = %2</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1每天：每天 %2</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1每天：每天 %3 = %2</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>立方英尺/秒</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>立方英尺/分钟</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>立方英尺/小时</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>立方英尺/天</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>美制加仑/秒</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>美制加仑/分钟</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>美制加仑/小时</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>美制加仑/天</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>百万美制加仑/天</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>升/秒</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>升/分钟</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>升/小时</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>升/天</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>立方米/秒</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>立方米/分钟</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>立方米/小时</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>立方米/天</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>英制加仑/秒</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>英制加仑/分钟</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>英制加仑/小时</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>英制加仑/天</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>英制桶/秒</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>英制桶/分钟</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>英制桶/小时</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>英制桶/天</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>美制液体桶/秒</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>美制液体桶/分钟</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>美制液体桶/小时</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>美制液体桶/天</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>美制石油桶/秒</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>美制石油桶/分钟</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>美制石油桶/小时</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>美制石油桶/天</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>美制联邦桶/秒</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>美制联邦桶/分钟</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>美制联邦桶/小时</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>美制联邦桶/天</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>英寸/秒</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>cm/sec</source>
        <translation>cm/sec</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
</context>
</TS>
