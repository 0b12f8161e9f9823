<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>StringTable</name>
    <message>
        <comment>101</comment>
        <source>About Ampora...</source>
        <translation>Über Ampora...</translation>
    </message>
    <message>
        <comment>102</comment>
        <source>Total capacity:</source>
        <translation>Gesamtkapazität:</translation>
    </message>
    <message>
        <comment>103</comment>
        <source>Power source:</source>
        <translation>Stromquelle:</translation>
    </message>
    <message>
        <comment>104</comment>
        <source>Battery status:</source>
        <translation>Akkuzustand:</translation>
    </message>
    <message>
        <comment>105</comment>
        <source>Life left:</source>
        <translation>Restladung:</translation>
    </message>
    <message>
        <comment>106</comment>
        <source>Time remainig:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <comment>107</comment>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <comment>108</comment>
        <source>Num samples</source>
        <translation>Anzahl Messungen</translation>
    </message>
    <message>
        <comment>109</comment>
        <source>Run time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <comment>110</comment>
        <source>Discharge rate</source>
        <translation>Entladerate</translation>
    </message>
    <message>
        <comment>111</comment>
        <source>Comparation rate:</source>
        <translation>Messdauer:</translation>
    </message>
    <message>
        <comment>112</comment>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <comment>113</comment>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <comment>114</comment>
        <source>View data</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <comment>115</comment>
        <source>Save data</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <comment>116</comment>
        <source>Battery info</source>
        <translation>Akku-Info</translation>
    </message>
    <message>
        <comment>117</comment>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <comment>118</comment>
        <source>System info</source>
        <translation>System-Info</translation>
    </message>
    <message>
        <comment>119</comment>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <comment>120</comment>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <comment>121</comment>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <comment>123</comment>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <comment>124</comment>
        <source>Battery details</source>
        <translation>Akkudetails</translation>
    </message>
    <message>
        <comment>125</comment>
        <source>Monitor info</source>
        <translation>Messung</translation>
    </message>
    <message>
        <comment>126</comment>
        <source>Not present</source>
        <translation>Nicht vorhanden</translation>
    </message>
    <message>
        <comment>127</comment>
        <source>A/C</source>
        <translation>Netz</translation>
    </message>
    <message>
        <comment>128</comment>
        <source>Curent capacity:</source>
        <translation>Restkapazität:</translation>
    </message>
    <message>
        <comment>129</comment>
        <source>Volt:</source>
        <translation>Spannung:</translation>
    </message>
    <message>
        <comment>130</comment>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <comment>131</comment>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <comment>132</comment>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <comment>133</comment>
        <source>Charge</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <comment>134</comment>
        <source>No battery</source>
        <translation>Kein Akku</translation>
    </message>
    <message>
        <comment>135</comment>
        <source>Charge:</source>
        <translation>Ladung:</translation>
    </message>
    <message>
        <comment>136</comment>
        <source>Processor Current Mhz:</source>
        <translation>Prozessor aktuell MHz:</translation>
    </message>
    <message>
        <comment>137</comment>
        <source>Ups present:</source>
        <translation>USV vorhanden:</translation>
    </message>
    <message>
        <comment>138</comment>
        <source>Processor throttling:</source>
        <translation>Prozessordrosselung:</translation>
    </message>
    <message>
        <comment>139</comment>
        <source>Processor min throttling:</source>
        <translation>Min. Drosselung:</translation>
    </message>
    <message>
        <comment>140</comment>
        <source>Processor max throttling:</source>
        <translation>Max. Drosselung:</translation>
    </message>
    <message>
        <comment>141</comment>
        <source>Thermal zone:</source>
        <translation>Thermozone:</translation>
    </message>
    <message>
        <comment>142</comment>
        <source>Video display:</source>
        <translation>Bildschirm dimmbar:</translation>
    </message>
    <message>
        <comment>143</comment>
        <source>APM BIOS Power managment:</source>
        <translation>APM-BIOS-Energieverwaltung:</translation>
    </message>
    <message>
        <comment>144</comment>
        <source>Removal fixed disk dev.:</source>
        <translation>Festplatten-Abschaltung:</translation>
    </message>
    <message>
        <comment>145</comment>
        <source>Fan throttle tolerance %:</source>
        <translation>Lüfter-Toleranz %:</translation>
    </message>
    <message>
        <comment>146</comment>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <comment>147</comment>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <comment>148</comment>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <comment>149</comment>
        <source>Manufacture:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <comment>150</comment>
        <source>Device name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <comment>151</comment>
        <source>Unit Id:</source>
        <translation>Geräte-ID:</translation>
    </message>
    <message>
        <comment>152</comment>
        <source>Time remaining:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <comment>153</comment>
        <source>Battery temp:</source>
        <translation>Akkutemperatur:</translation>
    </message>
    <message>
        <comment>154</comment>
        <source>Date of manuf:</source>
        <translation>Herstellungsdatum:</translation>
    </message>
    <message>
        <comment>155</comment>
        <source>Type of use:</source>
        <translation>Verwendung:</translation>
    </message>
    <message>
        <comment>156</comment>
        <source>Rechargeable:</source>
        <translation>Wiederaufladbar:</translation>
    </message>
    <message>
        <comment>157</comment>
        <source>Chemistry:</source>
        <translation>Chemie:</translation>
    </message>
    <message>
        <comment>158</comment>
        <source>Design capacity:</source>
        <translation>Nennkapazität:</translation>
    </message>
    <message>
        <comment>159</comment>
        <source>Full charge capacity:</source>
        <translation>Volle Kapazität:</translation>
    </message>
    <message>
        <comment>160</comment>
        <source>Current capacity:</source>
        <translation>Aktuelle Kapazität:</translation>
    </message>
    <message>
        <comment>161</comment>
        <source>Alert levels:</source>
        <translation>Warnstufen:</translation>
    </message>
    <message>
        <comment>162</comment>
        <source>Critical Bias:</source>
        <translation>Kritische Reserve:</translation>
    </message>
    <message>
        <comment>163</comment>
        <source>Charge cycles:</source>
        <translation>Ladezyklen:</translation>
    </message>
    <message>
        <comment>164</comment>
        <source>Voltage:</source>
        <translation>Spannung:</translation>
    </message>
    <message>
        <comment>165</comment>
        <source>Charge rates:</source>
        <translation>Laderate:</translation>
    </message>
    <message>
        <comment>166</comment>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <comment>167</comment>
        <source>Not supported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <comment>168</comment>
        <source>On line</source>
        <translation>Netzbetrieb</translation>
    </message>
    <message>
        <comment>169</comment>
        <source>Discharging</source>
        <translation>Entlädt</translation>
    </message>
    <message>
        <comment>170</comment>
        <source>Charging</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <comment>171</comment>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <comment>172</comment>
        <source>Normal operation</source>
        <translation>Normalbetrieb</translation>
    </message>
    <message>
        <comment>174</comment>
        <source>Ampora Version 1.0</source>
        <translation>Ampora Version 1.0</translation>
    </message>
    <message>
        <comment>175</comment>
        <source>A battery monitor for laptops. Free software.</source>
        <translation>Akku-Monitor für Laptops</translation>
    </message>
    <message>
        <comment>177</comment>
        <source>Processor Max Mhz:</source>
        <translation>Prozessor max. MHz:</translation>
    </message>
    <message>
        <comment>180</comment>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <comment>181</comment>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <comment>182</comment>
        <source>Ampora</source>
        <translation>Ampora</translation>
    </message>
    <message>
        <comment>184</comment>
        <source>Compare with saved data</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <comment>191</comment>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <comment>192</comment>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <comment>193</comment>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <comment>194</comment>
        <source>Curent status</source>
        <translation>Aktueller Zustand</translation>
    </message>
    <message>
        <comment>195</comment>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <comment>196</comment>
        <source>Nr. Sample:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <comment>197</comment>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <comment>198</comment>
        <source>Stoped</source>
        <translation>Aus</translation>
    </message>
    <message>
        <comment>199</comment>
        <source>&#x9;Stand by mode detected. &#xd;&#xa;Like result the monitorize will be stoped !</source>
        <translation>&#x9;Standby erkannt. &#xd;&#xa;Die Messung wird deshalb gestoppt !</translation>
    </message>
    <message>
        <comment>200</comment>
        <source>It's detected a changing in the Power managment of the computer (Battery was: %s). &#xd;&#xa;</source>
        <translation>Die Energieverwaltung des Computers hat sich geändert (Akku wurde: %s). &#xd;&#xa;</translation>
    </message>
    <message>
        <comment>201</comment>
        <source>&#x9;Like result the settings will be updated</source>
        <translation>&#x9;Die Einstellungen werden deshalb aktualisiert</translation>
    </message>
    <message>
        <comment>202</comment>
        <source> and monitories process stopped</source>
        <translation> und die Messung gestoppt</translation>
    </message>
    <message>
        <comment>203</comment>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <comment>204</comment>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <comment>209</comment>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <comment>210</comment>
        <source>While reading the %1.</source>
        <translation>Beim Lesen des Feldes „%1“.</translation>
    </message>
    <message>
        <comment>211</comment>
        <source>While reading the %1 of battery %2.</source>
        <translation>Beim Lesen des Feldes „%1“ von Akku %2.</translation>
    </message>
    <message>
        <comment>212</comment>
        <source>While reading battery %1.</source>
        <translation>Beim Lesen von Akku %1.</translation>
    </message>
    <message>
        <comment>213</comment>
        <source>format number</source>
        <translation>Formatnummer</translation>
    </message>
    <message>
        <comment>214</comment>
        <source>battery count</source>
        <translation>Akkuanzahl</translation>
    </message>
    <message>
        <comment>215</comment>
        <source>run length</source>
        <translation>Messdauer</translation>
    </message>
    <message>
        <comment>216</comment>
        <source>sample count</source>
        <translation>Anzahl Messungen</translation>
    </message>
    <message>
        <comment>217</comment>
        <source>tick count</source>
        <translation>Sekundenzähler</translation>
    </message>
    <message>
        <comment>218</comment>
        <source>device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <comment>219</comment>
        <source>manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <comment>220</comment>
        <source>serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <comment>221</comment>
        <source>unique id</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <comment>222</comment>
        <source>chemistry</source>
        <translation>Chemie</translation>
    </message>
    <message>
        <comment>223</comment>
        <source>%1 is damaged.</source>
        <translation>%1 ist beschädigt.</translation>
    </message>
    <message>
        <comment>224</comment>
        <source>The battery count is negative (%1).</source>
        <translation>Die Akkuanzahl ist negativ (%1).</translation>
    </message>
    <message>
        <comment>225</comment>
        <source>The file claims %1 batteries but has room for at most %2.</source>
        <translation>Die Datei gibt %1 Akkus an, hat aber höchstens für %2 Platz.</translation>
    </message>
    <message>
        <comment>226</comment>
        <source>The %1 of battery %2 is %3 bytes long; at most %4 are allowed.</source>
        <translation>Das Feld „%1“ von Akku %2 ist %3 Bytes lang; erlaubt sind höchstens %4.</translation>
    </message>
    <message>
        <comment>227</comment>
        <source>The sample count is negative (%1).</source>
        <translation>Die Anzahl der Messungen ist negativ (%1).</translation>
    </message>
    <message>
        <comment>228</comment>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <comment>229</comment>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <comment>230</comment>
        <source>Cannot save %1: %2.</source>
        <translation>%1 kann nicht gesichert werden: %2.</translation>
    </message>
    <message>
        <comment>231</comment>
        <source>%1 is a folder, a device or a pipe, not a file.</source>
        <translation>%1 ist ein Ordner, ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <comment>232</comment>
        <source>%1 ends inside its samples: it claims %2 samples, of which %3 are whole.&#xa;Only the whole samples are shown.</source>
        <translation>Die Datei %1 endet mitten in den Messungen: Sie gibt %2 Messungen an, davon sind %3 vollständig.&#xa;Nur die vollständigen Messungen werden angezeigt.</translation>
    </message>
    <message>
        <comment>233</comment>
        <source>%1 already exists.&#xa;Do you want to replace it?</source>
        <translation>%1 existiert bereits.&#xa;Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <comment>234</comment>
        <source>The log %1 cannot be written: %2.&#xa;The run goes on without it; its samples are kept for Save data.</source>
        <translation>Das Protokoll %1 kann nicht geschrieben werden: %2.&#xa;Die Messung läuft ohne Protokoll weiter; ihre Messungen bleiben zum „Speichern“ erhalten.</translation>
    </message>
    <message>
        <comment>235</comment>
        <source>Health:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <comment>61703</comment>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Show &amp;window</source>
        <translation>&amp;Fenster zeigen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Baterry info</source>
        <translation>&amp;Akku-Info</translation>
    </message>
    <message>
        <source>System &amp;info</source>
        <translation>System-&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
