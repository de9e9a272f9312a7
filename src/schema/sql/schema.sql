-- Schema of the template database of the health-examination centre.
--
-- The script is written as SQL Server scripts its own objects, so a centre running
-- SQL Server can create the database from it. The embedded backend runs the same
-- batches through the T-SQL dialect layer to build data/template.db.
--
-- Batches are separated by lines holding only GO. A batch whose first line is
--   -- backend: sqlserver   runs on SQL Server only;
--   -- backend: sqlite      is native SQLite text, run unchanged on the embedded backend only.
-- Every other batch runs on both.
--
-- No foreign keys: the maintenance windows guard references themselves, and
-- combined items keep unselected membership rows of deleted items until refreshed.

CREATE TABLE [dbo].[tjian_rylbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_rylbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_tjlbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_tjlbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_tjfqu] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_tjfqu] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_jblbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_jblbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_zcjguo] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_zcjguo] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_dwxzhi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_dwxzhi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_dwlbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_dwlbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_fbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[mshu] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_fbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_zhxmu_lbie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[mshu] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_zhxmu_lbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_dwei] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[dzhi] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[rshu] [int] NULL ,
	[dwlbid] [int] NULL ,
	[dwxzid] [int] NULL ,
	[fzren] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[fzrdhua] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[fzrsji] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ksid] [int] NULL ,
	[ywyuan] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[tjrqapai] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[tjfqid] [int] NULL ,
	[jzlxing] [int] NULL CONSTRAINT [DF_tjian_dwei_jzlxing] DEFAULT (1) ,
	[bzhu] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[maxtjhao] [int] NULL CONSTRAINT [DF_tjian_dwei_maxtjhao] DEFAULT (0) ,
	CONSTRAINT [PK_tjian_dwei] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_xmu] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ksid] [int] NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ywdma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[syxbie] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NOT NULL CONSTRAINT [DF_tjian_xmu_xhao] DEFAULT (0) ,
	[dwei] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ckxxian1] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[cksxian1] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ckxxian2] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[cksxian2] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xxtshi] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[sxtshi] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[szjgbzhi] [bit] NULL CONSTRAINT [DF_tjian_xmu_szjgbzhi] DEFAULT (0) ,
	[zcjguo] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_xmu] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_cjjguo] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[xmid] [int] NULL ,
	[jguo] [varchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	CONSTRAINT [PK_tjian_cjjguo] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_zhxmu_main] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ksid] [int] NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[sfjge] [money] NULL CONSTRAINT [DF_tjian_zhxmu_main_sfjge] DEFAULT (0) ,
	[hsjge] [money] NULL CONSTRAINT [DF_tjian_zhxmu_main_hsjge] DEFAULT (0) ,
	[lbie] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[fbie] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[tsxxi] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[lcyyi] [varchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[sfxybben] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL CONSTRAINT [DF_tjian_zhxmu_main_sfxybben] DEFAULT (N'否') ,
	CONSTRAINT [PK_tjian_zhxmu_main] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_zhxmu_sub] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[zhxmid] [int] NULL ,
	[xmid] [int] NULL ,
	[bzhi] [bit] NULL CONSTRAINT [DF_tjian_zhxmu_sub_bzhi] DEFAULT (0) ,
	CONSTRAINT [PK_tjian_zhxmu_sub] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_tcan_main] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[dwid] [int] NOT NULL CONSTRAINT [DF_tjian_tcan_main_dwid] DEFAULT (0) ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[jge] [money] NULL CONSTRAINT [DF_tjian_tcan_main_jge] DEFAULT (0) ,
	[xhao] [int] NULL ,
	[syxbie] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[bzhi] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL CONSTRAINT [DF_tjian_tcan_main_bzhi] DEFAULT (N'启用') ,
	[bzhu] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_tcan_main] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_tcan_sub] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[tcid] [int] NULL ,
	[zhxmid] [int] NULL ,
	CONSTRAINT [PK_tjian_tcan_sub] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_zdjlyjyi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ksid] [int] NULL ,
	[zyzduan] [varchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[zdmshu] [varchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[jblbie] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[jshi] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[jyi] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_zdjlyjyi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_ryuan] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[xming] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xbie] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[csrqi] [datetime] NULL ,
	[nling] [int] NULL ,
	[dwid] [int] NOT NULL CONSTRAINT [DF_tjian_ryuan_dwid] DEFAULT (0) ,
	[fzu] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zdybhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[rylbid] [int] NULL ,
	[whcdu] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[hyzkuang] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[mzu] [varchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
	[xxing] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[sfzhao] [varchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
	[jtdhua] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[bgdhua] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[sji] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[yxiang] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[jguan] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[ybian] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[dzhi] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[gzdwei] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[dlqkuang] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ysqkuang] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[yan] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[jiu] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[jwbing] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[jzbing] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[bzhu] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zpian] [image] NULL ,
	[djbzhi] [bit] NULL CONSTRAINT [DF_tjian_ryuan_djbzhi] DEFAULT (0) ,
	CONSTRAINT [PK_tjian_ryuan] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_sfei_main] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[ryid] [int] NULL ,
	[tjlbid] [int] NULL ,
	[jzlxing] [int] NULL ,
	[jzbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_main_jzbzhi] DEFAULT (0) ,
	[jzsjian] [datetime] NULL ,
	[tcid] [int] NULL CONSTRAINT [DF_tjian_sfei_main_tcid] DEFAULT (0) ,
	[sfyid] [int] NULL ,
	[sfyuan] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[sfsjian] [datetime] NULL ,
	[tjfqid] [int] NULL ,
	[tjztai] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL CONSTRAINT [DF_tjian_sfei_main_tjztai] DEFAULT (N'未检') ,
	[jgbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_main_jgbzhi] DEFAULT (0) ,
	[zjbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_main_zjbzhi] DEFAULT (0) ,
	[zxbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_main_zxbzhi] DEFAULT (0) ,
	[zxsjian] [datetime] NULL ,
	[tjsjian] [datetime] NULL ,
	CONSTRAINT [PK_tjian_sfei_main] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_sfei_sub] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[sfid] [int] NULL ,
	[zhxmid] [int] NULL ,
	[ysje] [money] NULL ,
	[zkou] [money] NULL ,
	[ssje] [money] NULL ,
	[hsbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_sub_hsbzhi] DEFAULT (1) ,
	[zjbzhi] [bit] NULL CONSTRAINT [DF_tjian_sfei_sub_zjbzhi] DEFAULT (0) ,
	[zjsjian] [datetime] NULL ,
	CONSTRAINT [PK_tjian_sfei_sub] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_dy_djdan] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[dysjian] [datetime] NULL CONSTRAINT [DF_tjian_dy_djdan_dysjian] DEFAULT (getdate()) ,
	CONSTRAINT [PK_tjian_dy_djdan] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_dy_tjbgao] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[dysjian] [datetime] NULL CONSTRAINT [DF_tjian_dy_tjbgao_dysjian] DEFAULT (getdate()) ,
	CONSTRAINT [PK_tjian_dy_tjbgao] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_jguo] (
	[id] [bigint] IDENTITY (1, 1) NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zhxmid] [int] NULL ,
	[xmid] [bigint] NULL ,
	[xhao] [int] NOT NULL ,
	[jcjguo] [varchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[dwei] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[ckxxian] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[cksxian] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zcjguo] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[xxtshi] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[sxtshi] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[tshi] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[jcbzhi] [bit] NOT NULL CONSTRAINT [DF_tjian_jguo_jcbzhi] DEFAULT (0) ,
	[ycbzhi] [bit] NOT NULL CONSTRAINT [DF_tjian_jguo_ycbzhi] DEFAULT (0) ,
	[tjysid] [int] NULL ,
	[tjysheng] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[tjsjian] [datetime] NULL ,
	CONSTRAINT [PK_tjian_jguo] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_jguo_xjie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ksid] [int] NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xjie] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[xjysid] [int] NULL ,
	[xjysheng] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xjsjian] [datetime] NULL ,
	[wcbzhi] [bit] NULL CONSTRAINT [DF_tjian_jguo_xjie_wcbzhi] DEFAULT (0) ,
	CONSTRAINT [PK_tjian_jguo_xjie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_jguo_zdjlun] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ksid] [int] NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[zyzduan] [varchar] (500) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	CONSTRAINT [PK_tjian_jguo_zdjlun] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_jguo_zjian] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[tjzjie] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[zjjyi] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[zjysid] [int] NULL ,
	[zjysheng] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zjlrsjian] [datetime] NULL ,
	CONSTRAINT [PK_tjian_jguo_zjian] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_sfei_rjie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[yhid] [int] NULL ,
	[rqi] [datetime] NULL ,
	[kssjian] [datetime] NULL ,
	[jssjian] [datetime] NULL ,
	CONSTRAINT [PK_tjian_sfei_rjie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_sfei_yjie] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[yhid] [int] NULL ,
	[rqi] [datetime] NULL ,
	[ksrqi] [datetime] NULL ,
	[jsrqi] [datetime] NULL ,
	CONSTRAINT [PK_tjian_sfei_yjie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_kshi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[mcheng] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[kslbie] [int] NULL ,
	[xhao] [int] NULL ,
	[wzhi] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[bzhu] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_kshi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_kslbie] (
	[id] [int] NOT NULL ,
	[mcheng] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_kslbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_yhu] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[zhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[xming] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xhao] [int] NULL ,
	[pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xbie] [int] NULL ,
	[kshi] [int] NULL ,
	[dhua] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[yhlbie] [int] NULL ,
	[jjie] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[bzhu] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[mma] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[qxian] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_yhu] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_xbie] (
	[id] [int] NOT NULL ,
	[mcheng] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_xbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_yhlbie] (
	[id] [int] NOT NULL ,
	[mcheng] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_yhlbie] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[his_qxzhi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[zhi] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_his_qxzhi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[his_qxcdan] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[qxzhi] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[qxcdan] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[cdmcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[gxin] [int] NULL CONSTRAINT [DF_his_qxcdan_gxin] DEFAULT (0) ,
	CONSTRAINT [PK_his_qxcdan] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[pub_yhqxian] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[yhid] [int] NULL ,
	[qxzhi] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[qxcdan] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_pub_yhqxian] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[his_xtszhi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[bzhu] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zhi] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_his_xtszhi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[his_xtrzhi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[zhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[xming] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[dlxtong] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[dlsjian] [datetime] NULL ,
	[tcsjian] [datetime] NULL ,
	CONSTRAINT [PK_his_xtrzhi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[his_ztao] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[ztmcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[sjkmcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[scsjian] [datetime] NULL ,
	CONSTRAINT [PK_his_ztao] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tjian_csszhi] (
	[id] [int] IDENTITY (1, 1) NOT NULL ,
	[jian] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[zhi] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	CONSTRAINT [PK_tjian_csszhi] PRIMARY KEY CLUSTERED ([id])
) ON [PRIMARY]
GO

CREATE UNIQUE INDEX [UX_tjian_sfei_main_tjhao] ON [dbo].[tjian_sfei_main]([tjhao]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_sfei_main_sfsjian] ON [dbo].[tjian_sfei_main]([sfsjian]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_sfei_main_ryid] ON [dbo].[tjian_sfei_main]([ryid]) ON [PRIMARY]
GO

-- A visit's charge line of one combined item is found by both columns: saving
-- an examination item matches each unexamined result row with the charge line
-- it came from. With an index of one column each, SQLite may take the one on
-- zhxmid and read every charge line of the combined item (a year's visits)
-- for each row; with both columns the line is one seek.
CREATE INDEX [IX_tjian_sfei_sub_sfid_zhxmid] ON [dbo].[tjian_sfei_sub]([sfid], [zhxmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_sfei_sub_zhxmid] ON [dbo].[tjian_sfei_sub]([zhxmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_jguo_tjhao_zhxmid_xmid] ON [dbo].[tjian_jguo]([tjhao], [zhxmid], [xmid]) ON [PRIMARY]
GO

-- An item's result rows, the unexamined ones apart: saving an item refreshes
-- those only (a tenth of a year's rows or less) and seeks them directly.
CREATE INDEX [IX_tjian_jguo_xmid_jcbzhi] ON [dbo].[tjian_jguo]([xmid], [jcbzhi]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_jguo_zhxmid] ON [dbo].[tjian_jguo]([zhxmid]) ON [PRIMARY]
GO

CREATE UNIQUE INDEX [UX_tjian_jguo_xjie_tjhao_ksid] ON [dbo].[tjian_jguo_xjie]([tjhao], [ksid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_jguo_zdjlun_tjhao_ksid] ON [dbo].[tjian_jguo_zdjlun]([tjhao], [ksid]) ON [PRIMARY]
GO

CREATE UNIQUE INDEX [UX_tjian_jguo_zjian_tjhao] ON [dbo].[tjian_jguo_zjian]([tjhao]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_dy_djdan_tjhao] ON [dbo].[tjian_dy_djdan]([tjhao]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_dy_tjbgao_tjhao] ON [dbo].[tjian_dy_tjbgao]([tjhao]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_ryuan_dwid] ON [dbo].[tjian_ryuan]([dwid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_xmu_ksid] ON [dbo].[tjian_xmu]([ksid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_cjjguo_xmid] ON [dbo].[tjian_cjjguo]([xmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_zhxmu_main_ksid] ON [dbo].[tjian_zhxmu_main]([ksid]) ON [PRIMARY]
GO

CREATE UNIQUE INDEX [UX_tjian_zhxmu_sub_zhxmid_xmid] ON [dbo].[tjian_zhxmu_sub]([zhxmid], [xmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_zhxmu_sub_xmid] ON [dbo].[tjian_zhxmu_sub]([xmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_tcan_main_dwid] ON [dbo].[tjian_tcan_main]([dwid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_tcan_sub_tcid] ON [dbo].[tjian_tcan_sub]([tcid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_tcan_sub_zhxmid] ON [dbo].[tjian_tcan_sub]([zhxmid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_zdjlyjyi_ksid] ON [dbo].[tjian_zdjlyjyi]([ksid]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_sfei_rjie_yhid_rqi] ON [dbo].[tjian_sfei_rjie]([yhid], [rqi]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_sfei_yjie_yhid_rqi] ON [dbo].[tjian_sfei_yjie]([yhid], [rqi]) ON [PRIMARY]
GO

CREATE INDEX [IX_pub_kshi_kslbie] ON [dbo].[pub_kshi]([kslbie]) ON [PRIMARY]
GO

CREATE UNIQUE INDEX [UX_pub_yhu_zhao] ON [dbo].[pub_yhu]([zhao]) ON [PRIMARY]
GO

CREATE INDEX [IX_pub_yhqxian_yhid] ON [dbo].[pub_yhqxian]([yhid]) ON [PRIMARY]
GO

CREATE INDEX [IX_his_qxcdan_qxzhi_qxcdan] ON [dbo].[his_qxcdan]([qxzhi], [qxcdan]) ON [PRIMARY]
GO

CREATE INDEX [IX_his_xtszhi_bzhu] ON [dbo].[his_xtszhi]([bzhu]) ON [PRIMARY]
GO

-- The key figures and the workload reports read, for every visit of the
-- range, only the examination flag, the combined item, the item and the
-- doctor of its result rows: with them in the index the year's 2.7 million
-- rows are read from the index alone instead of from the table row by row.
CREATE INDEX [IX_tjian_jguo_tjhao_jcbzhi] ON [dbo].[tjian_jguo]([tjhao], [jcbzhi], [zhxmid], [xmid], [tjysid]) ON [PRIMARY]
GO

-- Visits cancelled in a range (the key figures' 注销人数, the volume per
-- unit): a range of this index instead of a scan of every visit.
CREATE INDEX [IX_tjian_sfei_main_zxsjian] ON [dbo].[tjian_sfei_main]([zxsjian]) ON [PRIMARY]
GO

-- Chief examinations entered in a range (the daily volume per unit and its
-- day list start here instead of scanning every visit), and those of one
-- chief doctor (his workload, instead of a scan of every chief examination).
CREATE INDEX [IX_tjian_jguo_zjian_zjlrsjian] ON [dbo].[tjian_jguo_zjian]([zjlrsjian]) ON [PRIMARY]
GO

CREATE INDEX [IX_tjian_jguo_zjian_zjysid_zjlrsjian] ON [dbo].[tjian_jguo_zjian]([zjysid], [zjlrsjian]) ON [PRIMARY]
GO

-- The disease roster asks, visit by visit of a unit, for one diagnosis: found
-- in this index without reading the visit's other diagnosis rows.
CREATE INDEX [IX_tjian_jguo_zdjlun_tjhao_zyzduan] ON [dbo].[tjian_jguo_zdjlun]([tjhao], [zyzduan]) ON [PRIMARY]
GO

-- One row per parameter key: two workstations registering the first walk-in
-- at the same moment cannot both create the 散检最大体检号 counter row.
CREATE UNIQUE INDEX [UX_tjian_csszhi_jian] ON [dbo].[tjian_csszhi]([jian]) ON [PRIMARY]
GO
-- backend: sqlserver
-- The first result saved for a visit puts it under examination: status "检中"
-- (if it was still "未检"), results flag 1 and the examination time of that result.
CREATE TRIGGER [dbo].[TR_tjian_jguo_jgbzhi] ON [dbo].[tjian_jguo]
FOR INSERT, UPDATE
AS
SET NOCOUNT ON
UPDATE m
   SET tjztai = CASE WHEN m.tjztai = N'未检' THEN N'检中' ELSE m.tjztai END,
       jgbzhi = 1,
       tjsjian = ISNULL(m.tjsjian, i.tjsjian)
  FROM [dbo].[tjian_sfei_main] m
 INNER JOIN (SELECT tjhao, ISNULL(MIN(tjsjian), GETDATE()) AS tjsjian
               FROM inserted
              WHERE jcbzhi = 1
              GROUP BY tjhao) i ON i.tjhao = m.tjhao
 WHERE m.jgbzhi = 0 OR m.tjztai = N'未检' OR m.tjsjian IS NULL
GO

-- backend: sqlite
-- The same rule for the embedded backend, one trigger per kind of write.
CREATE TRIGGER TR_tjian_jguo_jgbzhi_ins AFTER INSERT ON tjian_jguo
WHEN NEW.jcbzhi = 1
BEGIN
  UPDATE tjian_sfei_main
     SET tjztai = CASE WHEN tjztai = '未检' THEN '检中' ELSE tjztai END,
         jgbzhi = 1,
         tjsjian = coalesce(tjsjian, NEW.tjsjian, strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime'))
   WHERE tjhao = NEW.tjhao
     AND (jgbzhi = 0 OR tjztai = '未检' OR tjsjian IS NULL);
END;
CREATE TRIGGER TR_tjian_jguo_jgbzhi_upd AFTER UPDATE ON tjian_jguo
WHEN NEW.jcbzhi = 1
BEGIN
  UPDATE tjian_sfei_main
     SET tjztai = CASE WHEN tjztai = '未检' THEN '检中' ELSE tjztai END,
         jgbzhi = 1,
         tjsjian = coalesce(tjsjian, NEW.tjsjian, strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime'))
   WHERE tjhao = NEW.tjhao
     AND (jgbzhi = 0 OR tjztai = '未检' OR tjsjian IS NULL);
END;
GO
